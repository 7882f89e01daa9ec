// render: run the menu window on a headless 1024 x 768 screen and write its
// client area as PNG.
#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/folder_argument.h"
#include "editor/output_target.h"
#include "engine/installer_wnd.h"
#include "platform/headless/headless_window_system.h"
#include "platform/headless/png_writer.h"
#include "platform/raster/raster_graphics.h"
#include "platform/trace_keeping_services.h"

namespace {

// The runtime's own style: a pop-up with a thin border and no caption.
constexpr std::uint32_t kRuntimeStyle =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;

struct RenderOptions {
    std::string folder;
    std::string output;
    bool still = false;
    unsigned steps = 0;
    std::string mouse;  // "X,Y" in client coordinates, empty for none
};

// "X,Y" with optional signs; nothing else.
bool ParsePoint(const std::string& text, platform::Point* point) {
    std::size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    try {
        std::size_t usedX = 0, usedY = 0;
        std::string xs = text.substr(0, comma), ys = text.substr(comma + 1);
        int x = std::stoi(xs, &usedX);
        int y = std::stoi(ys, &usedY);
        if (usedX != xs.size() || usedY != ys.size()) return false;
        *point = {x, y};
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

int RenderInstalled(const RenderOptions& options, CliContext& context) {
    platform::raster::RasterGraphics graphics;
    platform::HeadlessWindowSystem windows({1024, 768}, true);
    platform::TraceKeepingServices services(&context.services);
    platform::Install({&graphics, &windows, &services, &context.system});

    auto window = std::make_unique<CInstallerWnd>(options.folder);
    services.keepTraces = false;
    const bool loaded = LoadProject(window.get());
    services.keepTraces = true;
    if (!loaded) return kExitFailure;
    if (options.still) window->SetAnnimationDone(1);
    if (!window->Create(0, kRuntimeStyle, nullptr)) {
        if (services.messages == 0) {
            services.ShowMessage(services.lastTrace.empty() ? "Failed to create the menu window!\n"
                                                            : services.lastTrace,
                                 platform::MessageButtons::Ok);
        }
        return kExitFailure;
    }
    windows.SetMainWindow(window->Wnd.get());
    if (!options.still) window->StartShow();
    windows.Pump();

    // Once every timer has stopped, further steps would change nothing.
    for (unsigned i = 0; i < options.steps; ++i)
        if (windows.StepTimers() == 0) break;

    platform::Point mouse;
    if (!options.mouse.empty() && ParsePoint(options.mouse, &mouse))
        windows.MouseMove(window->Wnd.get(), mouse);
    windows.Pump();

    const platform::raster::Surface client = windows.ClientSurface(window->Wnd.get());
    if (!platform::WritePng(client, platform::Rect{0, 0, client.width, client.height},
                            options.output)) {
        services.ShowMessage("Failed to write the picture " + options.output + "!\n",
                             platform::MessageButtons::Ok);
        return kExitFailure;
    }
    return kExitOk;
}

int Render(const RenderOptions& options, CliContext& context) {
    // Refused before anything is drawn; an existing picture inside the project
    // cannot be told from the project's own.
    const std::string refusal = OutputRefusal(options.folder, options.output, "The picture", {});
    if (!refusal.empty()) {
        context.services.ShowMessage(refusal, platform::MessageButtons::Ok);
        return kExitFailure;
    }
    int status = RenderInstalled(options, context);
    context.Install();  // the headless pieces are gone
    return status;
}

}  // namespace

void RegisterRenderCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<RenderOptions>();
    CLI::App* cmd = app.add_subcommand(
        "render",
        "Run the menu window on a headless 1024 x 768 screen and write its client area "
        "(638 x 438) as PNG: Create, StartShow, then the timer steps and the mouse move.");
    cmd->add_option("DIR", options->folder, "Project folder")->required()->check(NonEmptyFolder);
    cmd->add_option("OUT", options->output,
                    "PNG file to write (a new name, or a file that is not part of the project)")
        ->required();
    cmd->add_flag("--still", options->still,
                  "Logos in place before Create and no StartShow: the editor's still picture");
    cmd->add_option("--steps", options->steps, "Timer steps after StartShow (default 0)")
        ->check(CLI::Range(0u, 1000000u));
    cmd->add_option("--mouse", options->mouse, "Then one mouse move to this client point")
        ->type_name("X,Y")
        ->check(
            [](const std::string& text) {
                platform::Point p;
                return ParsePoint(text, &p) ? std::string() : "expected X,Y, for example 120,80";
            },
            "");
    cmd->callback([&context, options] { context.status = Render(*options, context); });
}
