// A property form's controls as rows: the control's id, what kind it is, the
// form member it shows and when it is enabled. Each face fills a dialog and
// reads it back by walking the rows, so the forms alone hold the rules. The
// rows are constant data: the Windows editor is kept small.
#pragma once

#include <cstddef>
#include <string>

enum class FieldKind {
    Name,     // a file or label the project stores: read as the user's own text
    Number,   // integer text; the form parses it
    Colour,   // colour text
    Check,    // a check box on a bool member
    Radio,    // checked while its member holds the row's value
    Caption,  // static text the form sets
    Button,   // only enabled or not
};

template <class Form>
struct FormField {
    // When the control is enabled: a test of the form, or one of its flags.
    struct When {
        using Test = bool (Form::*)() const;
        constexpr When() = default;
        constexpr When(Test test) : test(test) {}
        constexpr When(bool Form::*flag) : flag(flag) {}
        Test test = nullptr;
        bool Form::*flag = nullptr;
    };

    int id;
    FieldKind kind;
    std::string Form::*text = nullptr;  // Name, Number, Colour, Caption
    bool Form::*flag = nullptr;         // Check, or a Radio on a bool
    int Form::*choice = nullptr;        // a Radio on an int
    int value = 0;                      // the Radio's value
    When enabled;                       // none: always enabled

    constexpr FormField(int id, FieldKind kind) : id(id), kind(kind) {}

    static constexpr FormField Edit(int id, FieldKind kind, std::string Form::*text, When on = {}) {
        FormField f(id, kind);
        f.text = text;
        f.enabled = on;
        return f;
    }
    static constexpr FormField Check(int id, bool Form::*flag, When on = {}) {
        FormField f(id, FieldKind::Check);
        f.flag = flag;
        f.enabled = on;
        return f;
    }
    static constexpr FormField Radio(int id, bool Form::*flag, bool value, When on = {}) {
        FormField f = Check(id, flag, on);
        f.kind = FieldKind::Radio;
        f.value = value;
        return f;
    }
    static constexpr FormField Radio(int id, int Form::*choice, int value, When on = {}) {
        FormField f(id, FieldKind::Radio);
        f.choice = choice;
        f.value = value;
        f.enabled = on;
        return f;
    }
    static constexpr FormField Button(int id, When on) {
        FormField f(id, FieldKind::Button);
        f.enabled = on;
        return f;
    }

    bool IsChoice() const { return kind == FieldKind::Check || kind == FieldKind::Radio; }
    bool Enabled(const Form& form) const {
        if (enabled.test) return (form.*enabled.test)();
        return !enabled.flag || form.*enabled.flag;
    }
    // The member's text (null for a check, radio or button).
    std::string* Text(Form& form) const { return text ? &(form.*text) : nullptr; }
    bool Checked(const Form& form) const {
        if (kind == FieldKind::Radio)
            return flag ? form.*flag == bool(value) : form.*choice == value;
        return kind == FieldKind::Check && form.*flag;
    }
    // A check box takes its state; a radio sets its value only when checked.
    void TakeChecked(Form& form, bool checked) const {
        if (kind == FieldKind::Check) form.*flag = checked;
        if (kind != FieldKind::Radio || !checked) return;
        if (flag)
            form.*flag = bool(value);
        else
            form.*choice = value;
    }
};

// A form's rows, as a range.
template <class Form>
struct FormFields {
    const FormField<Form>* first;
    std::size_t count;
    const FormField<Form>* begin() const { return first; }
    const FormField<Form>* end() const { return first + count; }
};
