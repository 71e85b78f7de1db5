#include "neuron/lesson/LessonFile.h"

#include "neuron/lesson/LessonScreens.h"
#include "neuron/model/TransferFunctionTable.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace rna::neuron {

namespace {

using enum LessonProblem;

// Where byte `offset` of the text is: 1-based line, and column counted in characters (UTF-8 sequences).
std::pair<int, int> lineAndColumn(const QByteArray& bytes, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80)
            ++column;
    }
    return {line, column};
}

// The deepest nesting of arrays and objects, counted on the bytes before Qt parses them (a bracket inside a string
// does not count). Stops as soon as the limit is passed.
bool nestedDeeperThan(const QByteArray& bytes, int limit)
{
    int depth = 0;
    bool inString = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"')
            inString = true;
        else if (c == '[' || c == '{') {
            if (++depth > limit)
                return true;
        } else if (c == ']' || c == '}')
            --depth;
    }
    return false;
}

// A number as JSON writes it: the fewest digits that read back as the same number ("2.55", "0.1").
QString shortest(double number)
{
    return QString::number(number, 'g', QLocale::FloatingPointShortest);
}

class Checker {
public:
    Checker(const QString& file) : file_(file) {}

    [[noreturn]] void fail(LessonProblem problem, const QString& member, QStringList details = {}) const
    {
        throw LessonError(file_, problem, member, std::move(details));
    }

    void expect(bool holds, const QString& member, const char* kind) const
    {
        if (!holds)
            fail(WrongType, member, {QLatin1String(kind)});
    }

    Lesson read(const QJsonObject& root) const;

private:
    const LessonScreen& screen(const QJsonObject& root) const;
    void version(const QJsonObject& root) const;
    void values(const QJsonValue& member, const LessonScreen& screen, Lesson& lesson) const;
    void functions(const QJsonValue& member, const LessonScreen& screen, Lesson& lesson) const;
    QJsonValue text(const QJsonValue& member, const QString& name) const;
    void locked(const QJsonValue& member, const LessonScreen& screen, Lesson& lesson) const;

    QString file_;
};

const QStringList& knownMembers()
{
    static const QStringList names{QStringLiteral("format"), QStringLiteral("version"),   QStringLiteral("screen"),
                                   QStringLiteral("values"), QStringLiteral("functions"), QStringLiteral("title"),
                                   QStringLiteral("text"),   QStringLiteral("locked")};
    return names;
}

Lesson Checker::read(const QJsonObject& root) const
{
    if (root.value(QLatin1String("format")) != QJsonValue(QLatin1String(LessonFormatName)))
        fail(NotALesson, QStringLiteral("format"));
    version(root);
    const LessonScreen& shown = screen(root);
    Lesson lesson = StartingLesson(shown);
    values(root.value(QLatin1String("values")), shown, lesson);
    functions(root.value(QLatin1String("functions")), shown, lesson);
    lesson.title = text(root.value(QLatin1String("title")), QStringLiteral("title"));
    lesson.text = text(root.value(QLatin1String("text")), QStringLiteral("text"));
    locked(root.value(QLatin1String("locked")), shown, lesson);
    for (auto member = root.begin(); member != root.end(); ++member)
        if (!knownMembers().contains(member.key()))
            lesson.unknown.insert(member.key(), member.value());
    return lesson;
}

void Checker::version(const QJsonObject& root) const
{
    const QJsonValue member = root.value(QLatin1String("version"));
    const double version = member.toDouble(0);
    expect(member.isDouble() && version >= 1 && version == std::floor(version), QStringLiteral("version"), "version");
    if (version > LessonVersion)
        fail(NewerVersion, QStringLiteral("version"), {shortest(version), QString::number(LessonVersion)});
}

const LessonScreen& Checker::screen(const QJsonObject& root) const
{
    const QJsonValue member = root.value(QLatin1String("screen"));
    expect(member.isString(), QStringLiteral("screen"), "string");
    const LessonScreen* found = FindLessonScreen(member.toString());
    if (!found) {
        QStringList known;
        for (const LessonScreen& screen : LessonScreens())
            known.append(screen.id);
        fail(UnknownScreen, QStringLiteral("screen"), {member.toString(), known.join(QStringLiteral(", "))});
    }
    return *found;
}

void Checker::values(const QJsonValue& member, const LessonScreen& screen, Lesson& lesson) const
{
    if (member.isUndefined())
        return;
    expect(member.isObject(), QStringLiteral("values"), "object");
    const QJsonObject values = member.toObject();
    for (auto entry = values.begin(); entry != values.end(); ++entry) {
        const QString path = QStringLiteral("values.") + entry.key();
        const LessonValue* value = screen.value(entry.key());
        if (!value) {
            QStringList names;
            for (const LessonValue& v : screen.values)
                names.append(v.name);
            fail(UnknownName, path, {entry.key(), names.join(QStringLiteral(", "))});
        }
        expect(entry.value().isDouble(), path, "number");
        const double number = entry.value().toDouble();
        const std::optional<int> position = value->positionOf(number);
        if (!position)
            fail(OffSteps, path,
                 {shortest(number), shortest(value->valueOf(value->min)), shortest(value->valueOf(value->max)),
                  shortest(value->valueOf(1) - value->valueOf(0))});
        lesson.positions[value->name] = *position;
    }
}

void Checker::functions(const QJsonValue& member, const LessonScreen& screen, Lesson& lesson) const
{
    if (member.isUndefined())
        return;
    expect(member.isObject(), QStringLiteral("functions"), "object");
    const QJsonObject functions = member.toObject();
    const QStringList known = LessonFunctionNames();
    for (auto entry = functions.begin(); entry != functions.end(); ++entry) {
        const QString path = QStringLiteral("functions.") + entry.key();
        const LessonFunction* function = screen.function(entry.key());
        if (!function) {
            QStringList names;
            for (const LessonFunction& f : screen.functions)
                names.append(f.name);
            fail(UnknownName, path, {entry.key(), names.join(QStringLiteral(", "))});
        }
        expect(entry.value().isString(), path, "string");
        const qsizetype index = known.indexOf(entry.value().toString());
        if (index < 0)
            fail(UnknownFunction, path, {entry.value().toString(), known.join(QStringLiteral(", "))});
        lesson.functions[function->name] = int(index);
    }
}

// A string, or an object whose members (languages) are all strings.
QJsonValue Checker::text(const QJsonValue& member, const QString& name) const
{
    if (member.isUndefined() || member.isString())
        return member;
    expect(member.isObject(), name, "text");
    const QJsonObject languages = member.toObject();
    for (auto entry = languages.begin(); entry != languages.end(); ++entry)
        expect(entry.value().isString(), name + QLatin1Char('.') + entry.key(), "string");
    return member;
}

void Checker::locked(const QJsonValue& member, const LessonScreen& screen, Lesson& lesson) const
{
    if (member.isUndefined())
        return;
    expect(member.isArray(), QStringLiteral("locked"), "list");
    const QJsonArray names = member.toArray();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString path = QStringLiteral("locked[%1]").arg(i);
        expect(names[i].isString(), path, "string");
        const QString name = names[i].toString();
        if (!screen.names().contains(name))
            fail(UnknownName, path, {name, screen.names().join(QStringLiteral(", "))});
        if (!lesson.locked.contains(name))
            lesson.locked.append(name);
    }
}

}  // namespace

Lesson StartingLesson(const LessonScreen& screen)
{
    Lesson lesson;
    lesson.screen = screen.id;
    for (const LessonValue& value : screen.values)
        lesson.positions[value.name] = value.start;
    for (const LessonFunction& function : screen.functions)
        lesson.functions[function.name] = 0;
    return lesson;
}

QString LessonText(const QJsonValue& text, const QString& language)
{
    if (text.isString())
        return text.toString();
    const QJsonObject languages = text.toObject();
    if (languages.contains(language))
        return languages.value(language).toString();
    if (languages.contains(QLatin1String("ro")))
        return languages.value(QLatin1String("ro")).toString();
    return languages.isEmpty() ? QString() : languages.begin().value().toString();
}

Lesson ParseLesson(const QByteArray& bytes, const QString& file)
{
    if (bytes.size() > LessonSizeLimit)
        throw LessonError(file, TooLarge, {}, {QString::number(LessonSizeLimit)});
    if (nestedDeeperThan(bytes, LessonDepthLimit))
        throw LessonError(file, TooDeep, {}, {QString::number(LessonDepthLimit)});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // Qt's offset is just past the character at which the parser stopped; the message points at that character.
        const auto [line, column] = lineAndColumn(bytes, error.offset - 1);
        throw LessonError(file, Syntax, {}, {error.errorString()}, line, column);
    }
    if (!document.isObject())
        throw LessonError(file, NotALesson, {});
    return Checker(file).read(document.object());
}

Lesson ReadLessonFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        throw LessonError(path, Folder);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LessonError(path, CannotRead, {}, {file.errorString()});
    if (file.size() > LessonSizeLimit)
        throw LessonError(path, TooLarge, {}, {QString::number(LessonSizeLimit)});
    // A device that does not tell its size (a pipe) is read only up to one byte past the limit.
    const QByteArray bytes = file.read(LessonSizeLimit + 1);
    if (file.error() != QFileDevice::NoError)
        throw LessonError(path, CannotRead, {}, {file.errorString()});
    return ParseLesson(bytes, path);
}

QByteArray LessonJson(const Lesson& lesson)
{
    const LessonScreen* screen = FindLessonScreen(lesson.screen);
    if (!screen)
        throw std::logic_error("a lesson of no screen: " + lesson.screen.toStdString());
    QJsonObject root = lesson.unknown;
    root.insert(QStringLiteral("format"), QLatin1String(LessonFormatName));
    root.insert(QStringLiteral("version"), LessonVersion);
    root.insert(QStringLiteral("screen"), screen->id);
    QJsonObject values;
    for (const LessonValue& value : screen->values)
        values.insert(value.name, value.valueOf(lesson.positions.at(value.name)));
    root.insert(QStringLiteral("values"), values);
    QJsonObject functions;
    const QStringList names = LessonFunctionNames();
    // A list with no function selected (its text edited) has nothing to write: it opens at its first function.
    for (const LessonFunction& function : screen->functions)
        if (const int index = lesson.functions.at(function.name); IsTransferKind(index))
            functions.insert(function.name, names.at(index));
    root.insert(QStringLiteral("functions"), functions);
    if (!lesson.title.isUndefined())
        root.insert(QStringLiteral("title"), lesson.title);
    if (!lesson.text.isUndefined())
        root.insert(QStringLiteral("text"), lesson.text);
    if (!lesson.locked.isEmpty())
        root.insert(QStringLiteral("locked"), QJsonArray::fromStringList(lesson.locked));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void SaveLessonFile(const QString& path, const Lesson& lesson)
{
    const QByteArray json = LessonJson(lesson);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit())
        throw LessonError(path, CannotWrite, {}, {file.errorString()});
}

}  // namespace rna::neuron
