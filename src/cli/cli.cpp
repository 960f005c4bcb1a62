#include "cli/cli.h"

#include "astorb/error.h"
#include "cli/session.h"

#include <array>
#include <ostream>
#include <string_view>

namespace quorvane::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: quorvane-cli [--raw] [--decimal-separator C] COMMAND FOLDER ARGS...\n"
    "\n"
    "  show        FOLDER INDEX [--diacriticals DIR]\n"
    "  infobox     FOLDER INDEX --lang fr|en [--diameter TEXT] [--albedo TEXT] [--density TEXT]"
    " [--diacriticals DIR]\n"
    "  special     FOLDER --planet mercury|venus|earth|mars|jupiter|saturn|uranus|neptune|pluto\n"
    "                     --type inner|inner-grazer|co-orbital|crosser|outer-grazer|outer|"
    "retrograde\n"
    "                     [--all] [--diacriticals DIR]\n"
    "  family      FOLDER INDEX --tolerance N [--passes N] [--all] [--diacriticals DIR]\n"
    "                     [--figure FILE.svg [--figure-lang fr|en]]\n"
    "  names       FOLDER [--diacriticals DIR]\n"
    "  inclination FOLDER INDEX [--all]\n"
    "  find        FOLDER INDEX --field NAME --text TEXT [--backward] [--all] [--diacriticals "
    "DIR]\n"
    "  --help, COMMAND --help\n"
    "\n"
    "FOLDER holds AstOrb.dat; INDEX is the 0-based record index. Outputs are the texts the window\n"
    "puts on the clipboard: UTF-8 with LF line ends, or with --raw the exact Windows-1252 bytes\n"
    "with CR LF line ends.\n";

struct CommandSyntax {
    std::string_view name;
    bool takesIndex;
    std::string_view valueOptions;  // blank-separated, each followed by a value
    std::string_view switchOptions; // blank-separated
    std::string_view required;      // value options that must be given
    int (*handler)(Session&, std::ostream&);
};

constexpr std::array<CommandSyntax, 7> kCommands = {{
    {"show", true, "--diacriticals", "", "", RunShow},
    {"infobox", true, "--lang --diameter --albedo --density --diacriticals", "", "--lang",
     RunInfobox},
    {"special", false, "--planet --type --diacriticals", "--all", "--planet --type", RunSpecial},
    {"family", true, "--tolerance --passes --diacriticals --figure --figure-lang", "--all",
     "--tolerance", RunFamily},
    {"names", false, "--diacriticals", "", "", RunNames},
    {"inclination", true, "", "--all", "", RunInclination},
    {"find", true, "--field --text --diacriticals", "--backward --all", "--field --text", RunFind},
}};

bool ListHas(std::string_view list, std::string_view word) {
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find(' ', start);
        if (end == std::string_view::npos) {
            end = list.size();
        }
        if (list.substr(start, end - start) == word) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

const CommandSyntax* FindCommand(std::string_view name) {
    for (const CommandSyntax& syntax : kCommands) {
        if (syntax.name == name) {
            return &syntax;
        }
    }
    return nullptr;
}

struct Parsed {
    Invocation invocation;
    const CommandSyntax* syntax = nullptr;
    bool help = false;
    std::optional<char> separator;
};

// Takes --raw or --decimal-separator C at args[i], before or after the command; false for any
// other argument.
bool TakeGeneralOption(const std::vector<std::string>& args, std::size_t& i, Parsed& parsed) {
    if (args[i] == "--raw") {
        parsed.invocation.raw = true;
        return true;
    }
    if (args[i] == "--decimal-separator") {
        if (i + 1 >= args.size() || args[i + 1].size() != 1) {
            throw UsageError("--decimal-separator needs one character");
        }
        parsed.separator = args[++i][0];
        return true;
    }
    return false;
}

Parsed Parse(const std::vector<std::string>& args) {
    Parsed parsed;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        if (args[i] == "--help") {
            parsed.help = true;
            return parsed;
        }
        if (!TakeGeneralOption(args, i, parsed)) {
            break;
        }
    }
    if (i >= args.size()) {
        throw UsageError("no command given");
    }
    parsed.syntax = FindCommand(args[i]);
    if (parsed.syntax == nullptr) {
        throw UsageError("unknown command: " + args[i]);
    }
    parsed.invocation.command = args[i++];
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            parsed.help = true;
            return parsed;
        }
        if (TakeGeneralOption(args, i, parsed)) {
            continue;
        }
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            if (ListHas(parsed.syntax->switchOptions, arg)) {
                parsed.invocation.switches.insert(arg);
            } else if (ListHas(parsed.syntax->valueOptions, arg)) {
                if (i + 1 >= args.size()) {
                    throw UsageError(arg + " needs a value");
                }
                parsed.invocation.options[arg] = args[++i];
            } else {
                throw UsageError("unknown option for " + parsed.invocation.command + ": " + arg);
            }
        } else {
            parsed.invocation.positionals.push_back(arg);
        }
    }
    const std::size_t wanted = parsed.syntax->takesIndex ? 2 : 1;
    if (parsed.invocation.positionals.size() != wanted) {
        throw UsageError(parsed.invocation.command +
                         (parsed.syntax->takesIndex ? " takes FOLDER and INDEX" : " takes FOLDER"));
    }
    std::string_view required = parsed.syntax->required;
    while (!required.empty()) {
        const std::size_t end = std::min(required.find(' '), required.size());
        const std::string name(required.substr(0, end));
        if (!parsed.invocation.Option(name)) {
            throw UsageError(parsed.invocation.command + " needs " + name);
        }
        required.remove_prefix(std::min(end + 1, required.size()));
    }
    return parsed;
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        char localeSeparator) {
    Parsed parsed;
    try {
        parsed = Parse(args);
    } catch (const UsageError& e) {
        err << "quorvane-cli: " << e.what() << "\n\n" << kUsage;
        return 2;
    }
    if (parsed.help) {
        out << kUsage;
        return 0;
    }
    Session session(parsed.invocation, err, {parsed.separator.value_or(localeSeparator)});
    try {
        session.Open();
        return parsed.syntax->handler(session, out);
    } catch (const UsageError& e) {
        err << "quorvane-cli: " << e.what() << "\n\n" << kUsage;
        return 2;
    } catch (const Error& e) {
        err << e.what() << '\n';
        return 1;
    }
}

} // namespace quorvane::cli
