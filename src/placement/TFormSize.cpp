#include "placement/TFormSize.h"

#include "base/Paths.h"
#include "placement/EFormSizeError.h"
#include "placement/PlacementSection.h"
#include "placement/PlacementStore.h"
#include "placement/RestoredPlacement.h"
#include "placement/SnapToWorkArea.h"
#include "platform/SpecialFolders.h"
#include "platform/UserIdentity.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <limits>

Q_LOGGING_CATEGORY(lcPlacement, "tavimoro.placement", QtWarningMsg)

namespace
{

PlacementBounds boundsOf(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// Left and Top are the frame's corner (what move() takes), the size is the client size (what resize() takes),
// so a stored placement comes back without growing by the frame on every run.
PlacementBounds currentBounds(const QWidget* window)
{
    return boundsOf(QRect(window->pos(), window->size()));
}

PlacementBounds normalBounds(const QWidget* window)
{
    const bool restorable =
        !(window->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    const QRect normal = window->normalGeometry();
    if (restorable || !normal.isValid())
        return currentBounds(window);
    const QPoint frameOffset = window->geometry().topLeft() - window->pos();
    return boundsOf(QRect(normal.topLeft() - frameOffset, normal.size()));
}

PlacementBounds virtualDesktop()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return boundsOf(screen->virtualGeometry());
    constexpr int kNoLimit = std::numeric_limits<int>::max();
    return {-kNoLimit, -kNoLimit, kNoLimit, kNoLimit};
}

int windowCoordinate(std::int64_t value)
{
    return int(std::clamp<std::int64_t>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

int windowExtent(std::int64_t value)
{
    return int(std::clamp<std::int64_t>(value, 1, QWIDGETSIZE_MAX));
}

} // namespace

TFormSize::TFormSize(QWidget* owner)
    : QObject(checkedOwner(owner)), m_owner(owner),
      m_saveName(QStringLiteral(".") + QChar::fromLatin1(kPathSeparator) + QStringLiteral("FORM.INI")),
      m_saveKey(owner->objectName())
{
    // The filter sees every event of the window before the window does; only moves, mouse drags and the
    // window going away do any work here.
    m_owner->installEventFilter(this);
}

TFormSize::~TFormSize()
{
    if (m_owner)
        m_owner->removeEventFilter(this);
}

QWidget* TFormSize::checkedOwner(QWidget* owner)
{
    if (!owner || !owner->isWindow())
        throw EFormSizeError("Control parent must be a form!");
    if (!owner->findChildren<TFormSize*>(Qt::FindDirectChildrenOnly).isEmpty())
        throw EFormSizeError("The form already contains a TFormSize component");
    return owner;
}

QString TFormSize::Version() const
{
    const quint32 number = VersionNumber();
    return QStringLiteral("%1.%2.%3.%4")
        .arg(number >> 24)
        .arg((number >> 16) & 0xFF)
        .arg((number >> 8) & 0xFF)
        .arg(number & 0xFF);
}

QString TFormSize::RegistryStoreFile()
{
    // The user's hive as one INI file in the application-data folder; key paths become section prefixes.
    return QString::fromStdString(AddTrailingBackslash(platform::GetSpecialFolder()) +
                                  "placement-registry.ini");
}

QString TFormSize::PlacementSection() const
{
    const std::string user = platform::UserLogonName();
    const std::string machine = platform::ComputerName();
    return QString::fromStdString(
        ::PlacementSection(m_saveKey.toStdString(), m_saveUser, m_saveMachine, user, machine));
}

void TFormSize::Loaded()
{
    if (m_savePosition)
        RestorePlacement();
}

void TFormSize::RestorePlacement()
{
    if (m_saveName.isEmpty() || m_saveKey.isEmpty())
        return;
    const PlacementStore store(m_location, m_saveName.toStdString(), RegistryStoreFile().toStdString());
    const std::string section = PlacementSection().toStdString();
    const auto read = [&](std::string_view key, int def) {
        return store.readInteger(section, std::string(key), def);
    };
    const WindowPlacement current{currentBounds(m_owner), m_owner->isMaximized()};
    const WindowPlacement restored =
        RestoredPlacement(read, current, m_savePosition, m_saveSize, virtualDesktop());
    const PlacementBounds& b = restored.bounds;
    qCDebug(lcPlacement) << "restore" << section.c_str() << b.left << b.top << b.right << b.bottom
                         << restored.maximized;

    m_owner->move(windowCoordinate(b.left), windowCoordinate(b.top));
    m_owner->resize(windowExtent(b.width()), windowExtent(b.height()));
    if (restored.maximized)
        m_owner->setWindowState(m_owner->windowState() | Qt::WindowMaximized);
}

void TFormSize::RestoreFullPlacement()
{
    struct FlagsBack {
        TFormSize& self;
        bool saveSize = self.m_saveSize;
        bool savePosition = self.m_savePosition;
        ~FlagsBack()
        {
            self.m_saveSize = saveSize;
            self.m_savePosition = savePosition;
        }
    } flagsBack{*this};
    m_saveSize = true;
    m_savePosition = true;
    RestorePlacement();
}

void TFormSize::SavePlacement()
{
    if (m_saveName.isEmpty() || m_saveKey.isEmpty())
        return;
    PlacementStore store(m_location, m_saveName.toStdString(), RegistryStoreFile().toStdString());
    const WindowPlacement normal{normalBounds(m_owner), m_owner->isMaximized()};
    qCDebug(lcPlacement) << "save" << PlacementSection() << normal.bounds.left << normal.bounds.top
                         << normal.bounds.right << normal.bounds.bottom << normal.maximized;
    store.write(PlacementSection().toStdString(), normal, m_savePosition, m_saveSize);
}

bool TFormSize::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_owner)
        return false;
    switch (event->type()) {
    case QEvent::Move:
        if (m_magnet)
            snapToWorkArea();
        return false;
    case QEvent::Hide:
        // A hide that the program asked for: the window was closed, hidden or is being destroyed.
        if (!event->spontaneous() && m_savePosition)
            saveAsWindowGoesAway();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return m_dragAlways && handleDrag(event);
    default:
        return false;
    }
}

void TFormSize::snapToWorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const auto state = m_owner->windowState();
    // The window system places maximized, minimized and full-screen windows itself.
    if (m_snapping || !screen || (state & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        return;
    const QRect frame = m_owner->frameGeometry();
    const auto snapped = SnapToWorkArea(boundsOf(screen->availableGeometry()), m_magnetDistance, frame.x(),
                                        frame.y(), frame.width(), frame.height());
    if (snapped.x == frame.x() && snapped.y == frame.y())
        return;
    // The move has already happened here, so correct it at once; the snapped position snaps to itself.
    m_snapping = true;
    m_owner->move(snapped.x, snapped.y);
    m_snapping = false;
}

bool TFormSize::handleDrag(QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton || !m_owner->rect().contains(m_owner->mapFromGlobal(global)))
            return false;
        // The window system moves the window where it can; elsewhere the window follows the mouse.
        if (QWindow* window = m_owner->windowHandle(); window && window->startSystemMove())
            return true;
        m_dragging = true;
        m_dragOffset = global - m_owner->pos();
        return true;
    case QEvent::MouseMove:
        if (!m_dragging || !(mouse->buttons() & Qt::LeftButton))
            return false;
        m_owner->move(global - m_dragOffset);
        return true;
    case QEvent::MouseButtonRelease:
        if (!m_dragging || mouse->button() != Qt::LeftButton)
            return false;
        m_dragging = false;
        return true;
    default:
        return false;
    }
}

void TFormSize::saveAsWindowGoesAway()
{
    // No exception may cross into the event dispatch; the owner reports it.
    try {
        SavePlacement();
    } catch (const std::exception& error) {
        const QString message = QString::fromStdString(error.what());
        qCWarning(lcPlacement) << message;
        emit errorOccurred(message);
    }
}
