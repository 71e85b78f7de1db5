#include "app/CommandLine.h"

#include "app/ApplicationTitle.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <array>
#include <charconv>
#include <cstdio>

#ifndef RNA_VERSION
#error "RNA_VERSION comes from the project's version in CMake"
#endif

namespace rna::app {

namespace {

// One option: its name and what it sets. An option that takes a value receives it; the others get an empty
// view. A setter that refuses its value answers False, and the line is refused with the option's message.
struct Option {
    std::string_view name;
    bool takesValue;
    bool (*apply)(CommandLine& line, std::string_view value);
    const char* refusal = nullptr;  // the message key for a refused value
};

// The largest --scale: four times is already more than a projector needs, and Qt's windows grow with it.
constexpr double MaxScale = 4;

// A number above 0 and at most MaxScale, written with a point, and nothing else.
bool applyScale(CommandLine& line, std::string_view value)
{
    double scale = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), scale);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() || !(scale > 0) || scale > MaxScale)
        return false;
    line.scale = std::string(value);
    return true;
}

constexpr std::array Options{
    Option{"--help", false,
           [](CommandLine& line, std::string_view) {
               line.action = CommandLine::Action::PrintUsage;
               return true;
           }},
    Option{"--version", false,
           [](CommandLine& line, std::string_view) {
               if (line.action != CommandLine::Action::PrintUsage)
                   line.action = CommandLine::Action::PrintVersion;
               return true;
           }},
    Option{"--lang", true,
           [](CommandLine& line, std::string_view value) {
               if (value == "ro")
                   line.language = Language::Romanian;
               else if (value == "en")
                   line.language = Language::English;
               else
                   return false;
               return true;
           },
           "unknownLanguage"},
    Option{"--scale", true, applyScale, "badScale"},
};

const Option* findOption(std::string_view name)
{
    for (const Option& option : Options)
        if (option.name == name)
            return &option;
    return nullptr;
}

QString fromView(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// The texts of the command line are data, embedded with the window descriptions.
QString message(const char* key)
{
    QFile file(QStringLiteral(":/assets/cli/messages.json"));
    if (!file.open(QIODevice::ReadOnly))
        return QString::fromLatin1(key);
    return QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String(key)).toString();
}

QString usage()
{
    QFile file(QStringLiteral(":/assets/cli/usage.txt"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

CommandLine refuse(const char* key, std::string_view programName, std::string_view argument)
{
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.error = message(key).arg(fromView(programName), fromView(argument)).toStdString();
    return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments, std::string_view programName)
{
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !argument.starts_with('-')) {
            if (!line.lessonFile.empty())
                return refuse("secondFile", programName, argument);
            line.lessonFile = std::string(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const bool joined = argument.starts_with("--") && equals != std::string_view::npos;
        const std::string_view name = joined ? argument.substr(0, equals) : argument;
        const Option* option = findOption(name);
        if (!option)
            return refuse("unknownOption", programName, name);
        std::string_view value;
        if (joined && !option->takesValue)
            return refuse("unexpectedValue", programName, name);
        if (joined)
            value = argument.substr(equals + 1);
        else if (option->takesValue) {
            if (i + 1 == arguments.size())
                return refuse("missingValue", programName, name);
            value = arguments[++i];
        }
        if (!option->apply(line, value))
            return refuse(option->refusal, programName, value);
    }
    return line;
}

int FinishWithoutRunning(const CommandLine& line, std::string_view programName)
{
    switch (line.action) {
    case CommandLine::Action::PrintUsage:
        std::fputs(usage().arg(fromView(programName)).toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::PrintVersion:
        std::printf("%s\n", message("version").arg(QLatin1String(RNA_VERSION)).toLocal8Bit().constData());
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n%s\n", line.error.c_str(),
                     message("seeHelp").arg(fromView(programName)).toLocal8Bit().constData());
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    return 0;
}

void ApplyBeforeApplication(const CommandLine& line)
{
    if (!line.scale.empty())
        qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(line.scale));
}

std::string ProgramName(const char* programPath)
{
    return std::string(ProgramFileName(programPath ? programPath : ""));
}

}  // namespace rna::app
