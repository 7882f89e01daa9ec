#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "engine/text_codec.h"

namespace {

struct CodecOptions {
    std::string text;
    bool noFraming = false;
    bool noReversal = false;
};

using Codec = bool (*)(std::string_view, bool, bool, std::string*);

int Run(Codec codec, const CodecOptions& options, const char* failure) {
    std::string out;
    if (!codec(options.text, !options.noFraming, !options.noReversal, &out)) {
        platform::Current().services->ShowMessage(failure, platform::MessageButtons::Ok);
        return kExitFailure;
    }
    std::cout << out << '\n';
    return kExitOk;
}

void Register(CLI::App& app, CliContext& context, const char* name, const char* help, Codec codec,
              const char* failure) {
    auto options = std::make_shared<CodecOptions>();
    CLI::App* cmd = app.add_subcommand(name, help);
    cmd->add_flag("--no-framing", options->noFraming, "Without the three framing characters");
    cmd->add_flag("--no-reversal", options->noReversal, "Keep the character order");
    cmd->add_option("TEXT", options->text, "The text (put -- before a text that starts with -)")
        ->required();
    cmd->callback(
        [&context, options, codec, failure] { context.status = Run(codec, *options, failure); });
}

}  // namespace

void RegisterCodecCommands(CLI::App& app, CliContext& context) {
    Register(app, context, "encode",
             "Scramble TEXT as AppSetup.dat key lines are (framing and reversal on by default).",
             &EncodeText, "Cannot encode an empty text.\n");
    Register(app, context, "decode", "Unscramble TEXT (framing and reversal on by default).",
             &DecodeText,
             "Cannot decode: the text is empty or, with framing, shorter than 3 characters.\n");
}
