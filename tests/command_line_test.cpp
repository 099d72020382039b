// The command line is read before any window exists: what it asks for, and a
// one-line refusal naming whatever it does not understand.
#include "CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLineRequest::Action;

CommandLineRequest parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("ipponmichi"));
    return parseCommandLine(arguments);
}

TEST(CommandLineTest, HelpAndVersionInEverySpelling) {
    for (const char* help : {"--help", "-h", "-help"}) {
        EXPECT_EQ(parse({QString::fromLatin1(help)}).action, Action::ShowHelp) << help;
    }
    EXPECT_EQ(parse({"--help-all"}).action, Action::ShowHelpAll);
    for (const char* version : {"--version", "-v", "-version"}) {
        EXPECT_EQ(parse({QString::fromLatin1(version)}).action, Action::ShowVersion) << version;
    }
    EXPECT_EQ(parse({"--version", "--help"}).action, Action::ShowHelp) << "help wins";
}

TEST(CommandLineTest, NothingOrQtsOwnOptionsPlay) {
    EXPECT_EQ(parse({}).action, Action::Play);
    EXPECT_EQ(parse({"-platform", "offscreen"}).action, Action::Play);
    EXPECT_EQ(parse({"--platform=offscreen", "-style", "Fusion", "-reverse"}).action, Action::Play);
    EXPECT_EQ(parse({"-display", ":1", "-qwindowtitle", "x", "-sync"}).action, Action::Play);
}

TEST(CommandLineTest, UnknownOptionsAndStrayArgumentsAreRefusedByName) {
    const struct {
        QStringList arguments;
        const char* named;
    } cases[] = {
        {{"--bogus"}, "'--bogus'"},
        {{"--bogus=3"}, "'--bogus'"},
        {{"-x"}, "'-x'"},
        {{"stray"}, "'stray'"},
        {{"-platform", "offscreen", "stray", "more"}, "'stray'"},
        {{"-platform"}, "'-platform'"},
        {{"--", "-platform"}, "'-platform'"},
    };
    for (const auto& c : cases) {
        const CommandLineRequest request = parse(c.arguments);
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(request.action, Action::Refuse);
        const std::string error = request.error.toStdString();
        EXPECT_NE(error.find(c.named), std::string::npos) << error;
        EXPECT_NE(error.find("--help"), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << "one line: " << error;
    }
}

TEST(CommandLineTest, ControlCharactersInABadArgumentStayOnOneLine) {
    const CommandLineRequest request = parse({QStringLiteral("a\nb\rc")});
    EXPECT_EQ(request.action, Action::Refuse);
    EXPECT_FALSE(request.error.contains(QLatin1Char('\n')));
    EXPECT_FALSE(request.error.contains(QLatin1Char('\r')));
}

TEST(CommandLineTest, HelpNamesTheProgramItsOptionsAndTheManualPage) {
    const QString help = commandLineHelp();
    const QString helpAll = commandLineHelp(HelpScope::WithQtOptions);
    for (const QString& text : {help, helpAll}) {
        EXPECT_TRUE(text.startsWith(QStringLiteral("Usage: ipponmichi [options]\n")))
            << text.toStdString();
        for (const char* part : {"--help", "--help-all", "--version", "ipponmichi(6)"}) {
            EXPECT_TRUE(text.contains(QString::fromLatin1(part))) << part;
        }
    }
    // Qt's standard options only where asked for, as Qt programs do.
    for (const char* qtOption : {"--platform", "--style", "--display"}) {
        EXPECT_FALSE(help.contains(QString::fromLatin1(qtOption))) << qtOption;
        EXPECT_TRUE(helpAll.contains(QString::fromLatin1(qtOption))) << qtOption;
    }
    EXPECT_EQ(versionText(), QStringLiteral("ipponmichi 1.01\n"));
}

} // namespace
