#include "app/ProgramTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <stdexcept>

namespace rna::app {

namespace {

const QJsonObject& texts()
{
    static const QJsonObject all = [] {
        QFile file(QStringLiteral(":/assets/texts/program.json"));
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
    }();
    return all;
}

}  // namespace

QString ProgramText(const char* key)
{
    const QJsonValue text = texts().value(QLatin1String(key));
    if (!text.isString())
        throw std::logic_error(std::string("no program text '") + key + "' in assets/texts/program.json");
    return QCoreApplication::translate("Program", text.toString().toUtf8().constData(), key);
}

QString ValueName(const QString& name)
{
    return QCoreApplication::translate("Values", name.toUtf8().constData());
}

}  // namespace rna::app
