#include "StatusNotifierItem.h"

#include "shell/window/PanelLog.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QtEndian>

#include <unistd.h>

namespace glowdeck {

namespace {

constexpr char watcherPath[] = "/StatusNotifierWatcher";
constexpr char gnomeShellService[] = "org.gnome.Shell";
constexpr char menuInterface[] = "com.canonical.dbusmenu";
constexpr char propertiesInterface[] = "org.freedesktop.DBus.Properties";
constexpr char title[] = "Glowdeck";

// One picture of the icon as the protocol carries it: (iiay), ARGB32 in network byte order.
struct IconPixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using IconPixmaps = QList<IconPixmap>;

// (sa(iiay)ss): icon name, icon pixmaps, title, text.
struct ToolTip {
    QString iconName;
    IconPixmaps icon;
    QString title;
    QString text;
};

// The empty menu's root: (ia{sv}av), an id, its properties and no children.
struct MenuLayout {
    int id = 0;
    QVariantMap properties;
};

// (ia{sv}): an item's id and properties.
struct MenuItemProperties {
    int id = 0;
    QVariantMap properties;
};
using MenuItemPropertiesList = QList<MenuItemProperties>;

QDBusArgument& operator<<(QDBusArgument& out, const IconPixmap& pixmap) {
    out.beginStructure();
    out << pixmap.width << pixmap.height << pixmap.argb;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, IconPixmap& pixmap) {
    in.beginStructure();
    in >> pixmap.width >> pixmap.height >> pixmap.argb;
    in.endStructure();
    return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const ToolTip& tip) {
    out.beginStructure();
    out << tip.iconName << tip.icon << tip.title << tip.text;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, ToolTip& tip) {
    in.beginStructure();
    in >> tip.iconName >> tip.icon >> tip.title >> tip.text;
    in.endStructure();
    return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const MenuLayout& layout) {
    out.beginStructure();
    out << layout.id << layout.properties;
    out.beginArray(QMetaType::fromType<QDBusVariant>());
    out.endArray();
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, MenuLayout& layout) {
    in.beginStructure();
    in >> layout.id >> layout.properties;
    in.beginArray();
    while (!in.atEnd()) {
        QDBusVariant child;
        in >> child;
    }
    in.endArray();
    in.endStructure();
    return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const MenuItemProperties& item) {
    out.beginStructure();
    out << item.id << item.properties;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, MenuItemProperties& item) {
    in.beginStructure();
    in >> item.id >> item.properties;
    in.endStructure();
    return in;
}

void registerTypes() {
    static const bool done = [] {
        qDBusRegisterMetaType<IconPixmap>();
        qDBusRegisterMetaType<IconPixmaps>();
        qDBusRegisterMetaType<ToolTip>();
        qDBusRegisterMetaType<MenuLayout>();
        qDBusRegisterMetaType<MenuItemProperties>();
        qDBusRegisterMetaType<MenuItemPropertiesList>();
        return true;
    }();
    (void)done;
}

IconPixmap pixmapOf(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    IconPixmap pixmap{argb.width(), argb.height(), {}};
    pixmap.argb.resize(qsizetype(argb.width()) * argb.height() * 4);
    auto* out = reinterpret_cast<quint32*>(pixmap.argb.data());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            *out++ = qToBigEndian(line[x]);
        }
    }
    return pixmap;
}

const QVariantMap& menuProperties() {
    static const QVariantMap properties{
        {QStringLiteral("Version"), 3u},
        {QStringLiteral("TextDirection"), QStringLiteral("ltr")},
        {QStringLiteral("Status"), QStringLiteral("normal")},
        {QStringLiteral("IconThemePath"), QStringList()},
    };
    return properties;
}

const QVariantMap& menuRootProperties() {
    static const QVariantMap properties{
        {QStringLiteral("children-display"), QStringLiteral("submenu")}};
    return properties;
}

constexpr char itemIntrospection[] = R"xml(<interface name="org.kde.StatusNotifierItem">
  <property name="Category" type="s" access="read"/>
  <property name="Id" type="s" access="read"/>
  <property name="Title" type="s" access="read"/>
  <property name="Status" type="s" access="read"/>
  <property name="WindowId" type="i" access="read"/>
  <property name="IconName" type="s" access="read"/>
  <property name="IconPixmap" type="a(iiay)" access="read"/>
  <property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
  <property name="ItemIsMenu" type="b" access="read"/>
  <method name="Activate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
  <method name="SecondaryActivate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
  <method name="ContextMenu"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
  <method name="Scroll"><arg name="delta" type="i" direction="in"/><arg name="orientation" type="s" direction="in"/></method>
</interface>
)xml";

constexpr char menuIntrospection[] = R"xml(<interface name="com.canonical.dbusmenu">
  <property name="Version" type="u" access="read"/>
  <property name="TextDirection" type="s" access="read"/>
  <property name="Status" type="s" access="read"/>
  <property name="IconThemePath" type="as" access="read"/>
  <method name="GetLayout"><arg type="i" direction="in"/><arg type="i" direction="in"/><arg type="as" direction="in"/><arg type="u" direction="out"/><arg type="(ia{sv}av)" direction="out"/></method>
  <method name="GetGroupProperties"><arg type="ai" direction="in"/><arg type="as" direction="in"/><arg type="a(ia{sv})" direction="out"/></method>
  <method name="AboutToShow"><arg type="i" direction="in"/><arg type="b" direction="out"/></method>
  <method name="Event"><arg type="i" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="in"/><arg type="u" direction="in"/></method>
</interface>
)xml";

// Every call the item does not know gets an answer, so that no caller waits for one.
bool unknownMethod(const QDBusMessage& message, const QDBusConnection& connection) {
    connection.send(message.createErrorReply(QDBusError::UnknownMethod, message.member()));
    return true;
}

} // namespace

StatusNotifierItem::StatusNotifierItem(const QDBusConnection& bus, QList<QImage> images,
                                       QObject* parent)
    : QDBusVirtualObject(parent), bus_(bus),
      service_(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(::getpid())),
      images_(std::move(images)) {
    registerTypes();
}

StatusNotifierItem::~StatusNotifierItem() {
    if (published_) {
        bus_.unregisterObject(QLatin1String(itemPath));
        bus_.unregisterObject(QLatin1String(menuPath));
        bus_.unregisterService(service_);
    }
}

bool StatusNotifierItem::watcherRunning(const QDBusConnection& bus) {
    const QDBusConnectionInterface* daemon = bus.isConnected() ? bus.interface() : nullptr;
    return daemon != nullptr && daemon->isServiceRegistered(QLatin1String(watcherService)).value();
}

bool StatusNotifierItem::publish() {
    if (published_) {
        return true;
    }
    if (!bus_.isConnected() || (!withdrawn_ && !bus_.registerService(service_))) {
        return false;
    }
    if (!bus_.registerVirtualObject(QLatin1String(itemPath), this) ||
        !bus_.registerVirtualObject(QLatin1String(menuPath), this)) {
        bus_.unregisterObject(QLatin1String(itemPath));
        bus_.unregisterService(service_);
        return false;
    }
    published_ = true;

    watcher_ = new QDBusServiceWatcher(QLatin1String(watcherService), bus_,
                                       QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& owner) {
                if (owner.isEmpty()) {
                    watcherGone();
                } else {
                    watcherStarted();
                }
            });
    if (watcherRunning(bus_)) {
        watcherStarted();
    }
    return true;
}

void StatusNotifierItem::watcherStarted() {
    ++registration_;
    registered_ = false;
    QDBusConnectionInterface* daemon = bus_.interface();
    const QString watcherOwner = daemon->serviceOwner(QLatin1String(watcherService)).value();
    const bool gnome =
        !watcherOwner.isEmpty() &&
        watcherOwner == daemon->serviceOwner(QLatin1String(gnomeShellService)).value();
    const bool changed = !watched_ || gnome != gnomeHost();
    gnomeShell_ = gnome ? watcherOwner : QString();
    watched_ = true;
    // The owner may withdraw the item here, before it registers, or put it back, which
    // registers it.
    const int before = registration_;
    if (changed && onWatcherChanged) {
        onWatcherChanged();
    }
    if (!withdrawn_ && registration_ == before) {
        registerWithWatcher();
    }
}

void StatusNotifierItem::registerWithWatcher() {
    const int attempt = ++registration_;
    registered_ = false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(watcherService), QLatin1String(watcherPath), QLatin1String(watcherService),
        QStringLiteral("RegisterStatusNotifierItem"));
    call << service_;
    auto* reply = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this,
            [this, attempt](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (attempt == registration_) {
                    registered_ = !finished->isError();
                }
            });
}

void StatusNotifierItem::setWithdrawn(bool withdrawn) {
    if (withdrawn == withdrawn_) {
        return;
    }
    withdrawn_ = withdrawn;
    if (!published_) {
        return;
    }
    if (withdrawn) {
        ++registration_;
        registered_ = false;
        bus_.unregisterService(service_);
        qCDebug(panelLog) << "status notifier item withdrawn";
        return;
    }
    bus_.registerService(service_);
    if (watched_) {
        registerWithWatcher();
    }
}

void StatusNotifierItem::watcherGone() {
    ++registration_;
    registered_ = false;
    gnomeShell_.clear();
    setWatched(false);
}

void StatusNotifierItem::setWatched(bool watched) {
    if (watched == watched_) {
        return;
    }
    watched_ = watched;
    if (onWatcherChanged) {
        onWatcherChanged();
    }
}

QVariantMap StatusNotifierItem::properties() const {
    IconPixmaps pixmaps;
    for (const QImage& image : images_) {
        pixmaps.append(pixmapOf(image));
    }
    QVariantMap all{
        {QStringLiteral("Category"), QStringLiteral("ApplicationStatus")},
        {QStringLiteral("Id"), QStringLiteral("glowdeck")},
        {QStringLiteral("Title"), QLatin1String(title)},
        {QStringLiteral("Status"), QStringLiteral("Active")},
        {QStringLiteral("WindowId"), 0},
        {QStringLiteral("IconName"), QString()},
        {QStringLiteral("IconPixmap"), QVariant::fromValue(pixmaps)},
        {QStringLiteral("ToolTip"),
         QVariant::fromValue(ToolTip{QString(), {}, QLatin1String(title), QString()})},
        {QStringLiteral("ItemIsMenu"), false},
    };
    if (gnomeHost()) {
        all.insert(QStringLiteral("Menu"),
                   QVariant::fromValue(QDBusObjectPath(QLatin1String(menuPath))));
    }
    return all;
}

QString StatusNotifierItem::introspect(const QString& path) const {
    return path == QLatin1String(menuPath) ? QLatin1String(menuIntrospection)
                                           : QLatin1String(itemIntrospection);
}

bool StatusNotifierItem::handleMessage(const QDBusMessage& message,
                                       const QDBusConnection& connection) {
    if (message.path() == QLatin1String(menuPath)) {
        return handleMenu(message, connection);
    }
    return handleItem(message, connection);
}

bool StatusNotifierItem::handleItem(const QDBusMessage& message,
                                    const QDBusConnection& connection) {
    if (message.interface() == QLatin1String(propertiesInterface)) {
        return handleProperties(message, connection, properties(), QLatin1String(interfaceName));
    }
    const QString member = message.member();
    const QList<QVariant> arguments = message.arguments();
    const bool click = member == QLatin1String("Activate") ||
                       member == QLatin1String("SecondaryActivate") ||
                       member == QLatin1String("ContextMenu");
    if (click && message.signature() == QLatin1String("ii")) {
        qCDebug(panelLog) << member << "at" << arguments.at(0).toInt() << arguments.at(1).toInt()
                          << "from" << message.service();
        if (onClick) {
            onClick(QPoint(arguments.at(0).toInt(), arguments.at(1).toInt()));
        }
        connection.send(message.createReply());
        return true;
    }
    if (member == QLatin1String("Scroll") && message.signature() == QLatin1String("is")) {
        connection.send(message.createReply());
        return true;
    }
    return unknownMethod(message, connection);
}

bool StatusNotifierItem::handleMenu(const QDBusMessage& message,
                                    const QDBusConnection& connection) {
    if (message.interface() == QLatin1String(propertiesInterface)) {
        return handleProperties(message, connection, menuProperties(),
                                QLatin1String(menuInterface));
    }
    const QString member = message.member();
    if (member == QLatin1String("GetLayout")) {
        QDBusMessage reply = message.createReply();
        reply << 1u << QVariant::fromValue(MenuLayout{0, menuRootProperties()});
        connection.send(reply);
        return true;
    }
    if (member == QLatin1String("GetGroupProperties")) {
        const MenuItemPropertiesList items{{0, menuRootProperties()}};
        connection.send(message.createReply(QVariant::fromValue(items)));
        return true;
    }
    if (member == QLatin1String("AboutToShow")) {
        connection.send(message.createReply(false));
        return true;
    }
    if (member == QLatin1String("Event")) {
        connection.send(message.createReply());
        return true;
    }
    return unknownMethod(message, connection);
}

bool StatusNotifierItem::handleProperties(const QDBusMessage& message,
                                          const QDBusConnection& connection, const QVariantMap& all,
                                          const QString& interface) {
    const QString member = message.member();
    const QList<QVariant> arguments = message.arguments();
    if (arguments.isEmpty() || arguments.at(0).toString() != interface) {
        connection.send(message.createErrorReply(QDBusError::UnknownInterface, interface));
        return true;
    }
    if (member == QLatin1String("GetAll")) {
        connection.send(message.createReply(QVariant::fromValue(all)));
        return true;
    }
    if (member == QLatin1String("Get") && arguments.size() == 2) {
        const auto found = all.constFind(arguments.at(1).toString());
        if (found == all.constEnd()) {
            connection.send(
                message.createErrorReply(QDBusError::UnknownProperty, arguments.at(1).toString()));
        } else {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(*found))));
        }
        return true;
    }
    if (member == QLatin1String("Set")) {
        connection.send(
            message.createErrorReply(QDBusError::PropertyReadOnly, arguments.value(1).toString()));
        return true;
    }
    return unknownMethod(message, connection);
}

} // namespace glowdeck
