#include "ui/FormLoader.h"

#include "ui/ControlRegistry.h"
#include "ui/DensityScaler.h"
#include "ui/StandardKinds.h"
#include "ui/TForm.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScreen>
#include <QSet>
#include <vector>

namespace rna::ui {

namespace {

// One created object and the events its entry binds.
struct Created {
    QObject* object;
    const ControlKind* kind;
    std::optional<PropertyValue> events;
};

class Loading {
public:
    Loading(TForm& form, QString file) : form_(form), file_(std::move(file)) {}

    void run(const QByteArray& json, const LoadOptions& options);

private:
    PropertyValue parse(const QByteArray& json) const;
    void createControls(const PropertyValue& list, QObject& parent);
    void createControl(const PropertyValue& entry, QObject& parent);
    void bindEvents(const HandlerTable& handlers) const;
    void bindFormEvents(const PropertyValue& events, const HandlerTable& handlers) const;
    const TNotifyEvent& handlerFor(const PropertyValue& name, const HandlerTable& handlers) const;

    TForm& form_;
    QString file_;
    std::vector<Created> created_;
};

void checkKeys(const PropertyValue& value, std::initializer_list<const char*> allowed)
{
    const QJsonObject object = value.toObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        bool known = false;
        for (const char* key : allowed)
            known = known || it.key() == QLatin1String(key);
        if (!known)
            value.member(it.key()).fail(QStringLiteral("unknown key '%1'").arg(it.key()));
    }
}

PropertyValue Loading::parse(const QByteArray& json) const
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw LoadError(file_, QString(),
                        QStringLiteral("malformed JSON at offset %1: %2").arg(error.offset).arg(error.errorString()));
    if (!document.isObject())
        throw LoadError(file_, QString(), QStringLiteral("a window object was expected"));
    return PropertyValue(document.object(), file_, QString());
}

void Loading::run(const QByteArray& json, const LoadOptions& options)
{
    const PropertyValue root = parse(json);
    checkKeys(root, {"class", "name", "properties", "events", "controls"});
    root.member(QStringLiteral("class")).toString();
    const QString name = root.member(QStringLiteral("name")).toString();
    if (name.isEmpty())
        root.member(QStringLiteral("name")).fail(QStringLiteral("the window needs a name"));
    form_.setObjectName(name);
    // The window's own texts (its caption) are translated with the window's name alone.
    const PropertyValue window(root.json(), file_, QString(), TextPlace{name, QString()});
    const QJsonObject object = root.toObject();
    if (object.contains(QLatin1String("properties")))
        formPropertyTable()->apply(form_, window.member(QStringLiteral("properties")));
    if (object.contains(QLatin1String("controls")))
        createControls(window.member(QStringLiteral("controls")), form_);

    std::vector<QObject*> objects;
    for (const Created& item : created_)
        objects.push_back(item.object);
    DensityScaler::apply(form_, objects, options.logicalDpi.value_or(DensityScaler::screenDpi()));

    for (const Created& item : created_)
        if (item.kind->loaded)
            item.kind->loaded(*item.object);

    HandlerTable handlers;
    form_.declareHandlers(handlers);
    if (object.contains(QLatin1String("events")))
        bindFormEvents(root.member(QStringLiteral("events")), handlers);
    bindEvents(handlers);
    form_.applyTabOrder();
    form_.afterLoad();
}

void Loading::createControls(const PropertyValue& list, QObject& parent)
{
    if (!list.json().isArray())
        list.fail(QStringLiteral("an array of controls was expected"));
    const QJsonArray array = list.json().toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString entry = QStringLiteral("%1[%2]").arg(list.entry()).arg(i);
        createControl(PropertyValue(array[i], file_, entry), parent);
    }
}

void Loading::createControl(const PropertyValue& raw, QObject& parent)
{
    checkKeys(raw, {"kind", "name", "bounds", "properties", "events", "children"});
    const QString name = raw.member(QStringLiteral("name")).toString();
    // Entries are named "controls[3] Label16" in messages.
    const PropertyValue entry(raw.json(), file_, raw.entry() + QLatin1Char(' ') + name,
                              TextPlace{form_.objectName(), name});
    const PropertyValue kindName = entry.member(QStringLiteral("kind"));
    const ControlKind* kind = ControlRegistry::global().find(kindName.toString());
    if (!kind)
        kindName.fail(QStringLiteral("unknown control kind '%1'").arg(kindName.toString()));
    if (name.isEmpty() || form_.findComponent(name) || name == form_.objectName())
        entry.fail(QStringLiteral("missing or duplicate control name"));

    QObject* object = kind->create(CreateContext{form_, parent, name});
    object->setObjectName(name);
    form_.registerComponent(name, object);
    if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->window() == &form_)
        form_.setTabOrderOf(widget, int(created_.size()));

    const QJsonObject json = entry.toObject();
    if (json.contains(QLatin1String("bounds"))) {
        if (!kind->setBounds)
            entry.member(QStringLiteral("bounds")).fail(QStringLiteral("this kind has no bounds"));
        kind->setBounds(*object, entry.member(QStringLiteral("bounds")).toBounds());
    }
    if (json.contains(QLatin1String("properties"))) {
        const PropertyValue properties = entry.member(QStringLiteral("properties"));
        if (!kind->applyProperties)
            properties.fail(QStringLiteral("this kind has no properties"));
        kind->applyProperties(*object, properties);
    }
    std::optional<PropertyValue> events;
    if (json.contains(QLatin1String("events")))
        events = entry.member(QStringLiteral("events"));
    created_.push_back(Created{object, kind, events});
    if (json.contains(QLatin1String("children")))
        createControls(entry.member(QStringLiteral("children")), *object);
}

const TNotifyEvent& Loading::handlerFor(const PropertyValue& name, const HandlerTable& handlers) const
{
    const TNotifyEvent* handler = handlers.find(name.toString());
    if (!handler)
        name.fail(QStringLiteral("unknown handler '%1'").arg(name.toString()));
    return *handler;
}

void Loading::bindFormEvents(const PropertyValue& events, const HandlerTable& handlers) const
{
    const QJsonObject json = events.toObject();
    for (auto it = json.constBegin(); it != json.constEnd(); ++it) {
        const PropertyValue handlerName = events.member(it.key());
        if (it.key() != QLatin1String("OnShow"))
            handlerName.fail(QStringLiteral("unknown event '%1'").arg(it.key()));
        form_.setOnShow(handlerFor(handlerName, handlers));
    }
}

void Loading::bindEvents(const HandlerTable& handlers) const
{
    for (const Created& item : created_) {
        if (!item.events)
            continue;
        const QJsonObject json = item.events->toObject();
        for (auto it = json.constBegin(); it != json.constEnd(); ++it) {
            const PropertyValue handlerName = item.events->member(it.key());
            const auto binder = item.kind->events.find(it.key());
            if (binder == item.kind->events.end())
                handlerName.fail(QStringLiteral("unknown event '%1'").arg(it.key()));
            binder->second(*item.object, handlerFor(handlerName, handlers));
        }
    }
}

}  // namespace

void FormLoader::loadFile(TForm& form, const QString& path, const LoadOptions& options)
{
    QFile file(path);
    // Messages name the file as it lies in the source tree.
    const QString label = path.startsWith(QLatin1String(":/assets/")) ? path.mid(2) : path;
    if (!file.open(QIODevice::ReadOnly))
        throw LoadError(path, QString(), QStringLiteral("cannot be read"));
    loadString(form, file.readAll(), label, options);
}

void FormLoader::loadString(TForm& form, const QByteArray& json, const QString& fileLabel, const LoadOptions& options)
{
    Loading(form, fileLabel).run(json, options);
}

}  // namespace rna::ui
