#pragma once

#include "placement/PlacementBounds.h"
#include "placement/TPersistLocation.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QWidget;

// Remembers a window's position, size and maximized state between runs and, with its magnet on, snaps the
// window to the edges of the primary screen's work area while it is moved. Owned by the window it serves;
// at most one per window. The placement is written when the window goes away (closed, hidden or destroyed).
class TFormSize : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool DragAlways READ DragAlways WRITE setDragAlways)
    Q_PROPERTY(TPersistLocation Location READ Location WRITE setLocation)
    Q_PROPERTY(bool Magnet READ Magnet WRITE setMagnet)
    Q_PROPERTY(int MagnetDistance READ MagnetDistance WRITE setMagnetDistance)
    Q_PROPERTY(bool SavePosition READ SavePosition WRITE setSavePosition)
    Q_PROPERTY(bool SaveSize READ SaveSize WRITE setSaveSize)
    Q_PROPERTY(bool SaveUser READ SaveUser WRITE setSaveUser)
    Q_PROPERTY(bool SaveMachine READ SaveMachine WRITE setSaveMachine)
    Q_PROPERTY(QString SaveName READ SaveName WRITE setSaveName)
    Q_PROPERTY(QString SaveKey READ SaveKey WRITE setSaveKey)
    Q_PROPERTY(QString Version READ Version WRITE setVersion)

public:
    // Raises EFormSizeError when owner is not a top-level window or already has a TFormSize.
    explicit TFormSize(QWidget* owner);
    ~TFormSize() override;

    virtual quint32 VersionNumber() const { return 0x01030000; }

    // To be called once the owner has set the properties: restores from SaveName when SavePosition.
    void Loaded();
    void RestorePlacement();
    // RestorePlacement with SavePosition and SaveSize on; both flags are put back afterwards.
    void RestoreFullPlacement();
    void SavePlacement();
    QString PlacementSection() const;

    bool DragAlways() const { return m_dragAlways; }
    void setDragAlways(bool on) { m_dragAlways = on; }
    TPersistLocation Location() const { return m_location; }
    void setLocation(TPersistLocation location) { m_location = location; }
    bool Magnet() const { return m_magnet; }
    void setMagnet(bool on) { m_magnet = on; }
    int MagnetDistance() const { return m_magnetDistance; }
    void setMagnetDistance(int pixels) { m_magnetDistance = pixels; }
    bool SavePosition() const { return m_savePosition; }
    void setSavePosition(bool on) { m_savePosition = on; }
    bool SaveSize() const { return m_saveSize; }
    void setSaveSize(bool on) { m_saveSize = on; }
    bool SaveUser() const { return m_saveUser; }
    void setSaveUser(bool on) { m_saveUser = on; }
    bool SaveMachine() const { return m_saveMachine; }
    void setSaveMachine(bool on) { m_saveMachine = on; }
    QString SaveName() const { return m_saveName; }
    void setSaveName(const QString& name) { m_saveName = name; }
    QString SaveKey() const { return m_saveKey; }
    void setSaveKey(const QString& key) { m_saveKey = key; }
    // The four bytes of VersionNumber, highest first; assigning has no effect.
    QString Version() const;
    void setVersion(const QString&) {}

    // The file that stands for the user's registry hive when Location is plRegistry.
    static QString RegistryStoreFile();

signals:
    // A placement could not be written while the window went away; the message is meant for the user.
    void errorOccurred(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QWidget* checkedOwner(QWidget* owner);
    void snapToWorkArea();
    bool handleDrag(QEvent* event);
    void saveAsWindowGoesAway();

    QPointer<QWidget> m_owner;
    bool m_dragAlways = false;
    TPersistLocation m_location = plIniFile;
    bool m_magnet = false;
    int m_magnetDistance = 32;
    bool m_savePosition = true;
    bool m_saveSize = true;
    bool m_saveUser = false;
    bool m_saveMachine = false;
    QString m_saveName;
    QString m_saveKey;

    bool m_snapping = false;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
