#include "platform/win32/link_accessible.h"

#include <ole2.h>
#include <oleacc.h>

#include <string>

#include "platform/win32/apartment.h"
#include "platform/win32/window_proc.h"

namespace platform::win32 {

namespace {

constexpr GUID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// The project's texts are the bytes the A functions draw: the ANSI code page.
BSTR ToBstr(const std::string& text) {
    const int size = int(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, UINT(wide));
    if (result && wide > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), size, result, wide);
    return result;
}

void SetI4(VARIANT* v, LONG value) {
    v->vt = VT_I4;
    v->lVal = value;
}

// The client itself and its links answer; the standard object answers for
// the rest (the window's place among its siblings, its own box and state).
class LinkAccessible : public IAccessible {
  public:
    explicit LinkAccessible(HWND hwnd) : hwnd_(hwnd) {
        void* standard = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, kIidAccessible, &standard)))
            std_ = static_cast<IAccessible*>(standard);
    }
    virtual ~LinkAccessible() {
        if (std_) std_->Release();
    }
    LinkAccessible(const LinkAccessible&) = delete;
    LinkAccessible& operator=(const LinkAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == kIidUnknown || iid == kIidDispatch || iid == kIidAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    // No type library: readers use the IAccessible methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return std_ ? std_->get_accParent(parent) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        WindowListener* links = Links();
        if (!links) return RPC_E_DISCONNECTED;
        if (!count) return E_POINTER;
        *count = links->AccessibleLinkCount();
        return S_OK;
    }
    // The links are simple elements, not objects of their own.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        const LONG id = ChildOf(child);
        return id > 0 ? S_FALSE : E_INVALIDARG;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        WindowListener* links = Links();
        if (!links) return RPC_E_DISCONNECTED;
        if (!name) return E_POINTER;
        *name = nullptr;
        const LONG id = ChildOf(child);
        std::string text;
        Rect box;
        if (id == CHILDID_SELF)
            text = links->AccessibleName();
        else if (id < 0 || !links->AccessibleLink(int(id), &text, &box))
            return E_INVALIDARG;
        *name = ToBstr(text);
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Nothing(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return Nothing(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return Nothing(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return Nothing(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG*) override {
        if (file) *file = nullptr;
        return S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const LONG id = ChildOf(child);
        if (id == CHILDID_SELF) return std_ ? std_->get_accRole(child, role) : E_NOTIMPL;
        if (!role) return E_POINTER;
        if (id < 0) return E_INVALIDARG;
        SetI4(role, ROLE_SYSTEM_LINK);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        WindowListener* links = Links();
        if (!links) return RPC_E_DISCONNECTED;
        const LONG id = ChildOf(child);
        if (id == CHILDID_SELF) return std_ ? std_->get_accState(child, state) : E_NOTIMPL;
        if (!state) return E_POINTER;
        if (id < 0) return E_INVALIDARG;
        LONG bits = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_LINKED;
        if (links->AccessibleFocus() == id) bits |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED;
        SetI4(state, bits);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        const LONG id = ChildOf(child);
        if (id == CHILDID_SELF) return std_ ? std_->get_accDefaultAction(child, action) : E_NOTIMPL;
        if (!action) return E_POINTER;
        *action = nullptr;
        if (id < 0) return E_INVALIDARG;
        *action = SysAllocString(L"Click");
        return *action ? S_OK : E_OUTOFMEMORY;
    }

    // The lit link; the client itself while it has the keys and nothing is lit.
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        WindowListener* links = Links();
        if (!links) return RPC_E_DISCONNECTED;
        if (!focus) return E_POINTER;
        const int lit = links->AccessibleFocus();
        if (lit > 0) {
            SetI4(focus, lit);
        } else if (GetFocus() == hwnd_) {
            SetI4(focus, CHILDID_SELF);
        } else {
            focus->vt = VT_EMPTY;
            return S_FALSE;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) return E_POINTER;
        selection->vt = VT_EMPTY;
        return S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        WindowListener* links = Links();
        if (!links) return RPC_E_DISCONNECTED;
        const LONG id = ChildOf(child);
        if (id == CHILDID_SELF)
            return std_ ? std_->accLocation(left, top, width, height, child) : E_NOTIMPL;
        if (!left || !top || !width || !height) return E_POINTER;
        std::string text;
        Rect box;
        if (id < 0 || !links->AccessibleLink(int(id), &text, &box)) return E_INVALIDARG;
        POINT at = {box.left, box.top};
        ClientToScreen(hwnd_, &at);
        *left = at.x;
        *top = at.y;
        *width = box.right - box.left;
        *height = box.bottom - box.top;
        return S_OK;
    }
    // Among the links in their order; the client's own neighbours are the standard object's.
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        WindowListener* links = Links();
        if (!links) return RPC_E_DISCONNECTED;
        if (!end) return E_POINTER;
        end->vt = VT_EMPTY;
        const LONG id = ChildOf(start), count = links->AccessibleLinkCount();
        if (id < 0 || id > count) return E_INVALIDARG;
        LONG to = 0;
        if (id == CHILDID_SELF) {
            if (direction == NAVDIR_FIRSTCHILD)
                to = 1;
            else if (direction == NAVDIR_LASTCHILD)
                to = count;
            else
                return std_ ? std_->accNavigate(direction, start, end) : S_FALSE;
        } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN ||
                   direction == NAVDIR_RIGHT) {
            to = id + 1;
        } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP ||
                   direction == NAVDIR_LEFT) {
            to = id - 1;
        }
        if (to < 1 || to > count) return S_FALSE;
        SetI4(end, to);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
        WindowListener* links = Links();
        if (!links) return RPC_E_DISCONNECTED;
        if (!hit) return E_POINTER;
        POINT at = {x, y};
        ScreenToClient(hwnd_, &at);
        RECT client = {};
        ::GetClientRect(hwnd_, &client);
        if (!PtInRect(&client, at)) return std_ ? std_->accHitTest(x, y, hit) : S_FALSE;
        // The lower number wins where links overlap, as with the pointer.
        LONG found = CHILDID_SELF;
        std::string text;
        Rect box;
        for (int i = links->AccessibleLinkCount(); i >= 1; --i)
            if (links->AccessibleLink(i, &text, &box) && box.Contains(Point{at.x, at.y})) found = i;
        SetI4(hit, found);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        WindowListener* links = Links();
        if (!links) return RPC_E_DISCONNECTED;
        const LONG id = ChildOf(child);
        if (id == CHILDID_SELF) return DISP_E_MEMBERNOTFOUND;
        if (id < 0) return E_INVALIDARG;
        return PostMessageA(hwnd_, WM_RUN_LINK, WPARAM(id), 0) ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    // The window's listener while the window lives; a reader may keep the
    // object longer than that.
    WindowListener* Links() const {
        Win32Window* window = ::IsWindow(hwnd_) ? WindowOf(hwnd_) : nullptr;
        return window ? window->listener() : nullptr;
    }
    // CHILDID_SELF, a link's number, or -1 for anything else.
    LONG ChildOf(const VARIANT& child) const {
        if (child.vt != VT_I4) return -1;
        WindowListener* links = Links();
        const LONG count = links ? links->AccessibleLinkCount() : 0;
        return child.lVal >= 0 && child.lVal <= count ? child.lVal : -1;
    }
    HRESULT Nothing(const VARIANT& child, BSTR* text) const {
        if (!text) return E_POINTER;
        *text = nullptr;
        return ChildOf(child) < 0 ? E_INVALIDARG : S_FALSE;
    }

    HWND hwnd_;
    IAccessible* std_ = nullptr;
    ULONG refs_ = 1;
};

}  // namespace

LRESULT AccessibleSlot::Answer(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    // 64-bit Windows sign-extends the id or not: only its low 32 bits count.
    if (LONG(DWORD(lParam)) != OBJID_CLIENT) return 0;
    JoinApartment();
    if (!object_) object_ = static_cast<IAccessible*>(new LinkAccessible(hwnd));
    const LRESULT result =
        LresultFromObject(kIidAccessible, wParam, static_cast<IAccessible*>(object_));
    return result > 0 ? result : 0;
}

void AccessibleSlot::Disconnect() {
    if (!object_) return;
    auto* object = static_cast<IAccessible*>(object_);
    object_ = nullptr;
    CoDisconnectObject(object, 0);
    object->Release();
}

void NotifyLinkFocus(HWND hwnd, int link) {
    if (link > 0) NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd, OBJID_CLIENT, LONG(link));
}

}  // namespace platform::win32
