#pragma once

// The interface through which Qt 6.4's Wayland platform plugin asks a
// plugin for a window's title bar and frame, for a Qt that installs no
// private headers (Debian 12). These declarations repeat the binary interface
// that libQt6WaylandClient 6.4 exports: the same classes, bases, virtual
// functions in the same order, and the exported members a decoration calls.
// They are only compiled against Qt 6.4 (see CMakeLists.txt), and the program
// only selects its frame when the Qt it was built with runs it.
//
// No Q_OBJECT here: the meta-objects are the library's, declared by hand so
// that no meta-object code is generated for them a second time.

#include <QEventPoint>
#include <QImage>
#include <QMargins>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QWindow;

namespace QtWaylandClient {

class QWaylandInputDevice;

// Only the one member the frame asks of a window: the scale of its surface's
// buffers (the output's), which Qt's scale factor does not include.
class Q_DECL_IMPORT QWaylandWindow {
public:
    qreal scale() const;
};

class Q_DECL_IMPORT QWaylandAbstractDecoration : public QObject {
public:
    static const QMetaObject staticMetaObject;
    const QMetaObject* metaObject() const override;
    void* qt_metacast(const char* name) override;
    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;

    enum MarginsType { Full, ShadowsExcluded, ShadowsOnly };

    QWaylandAbstractDecoration();
    ~QWaylandAbstractDecoration() override;

    void setWaylandWindow(QWaylandWindow* window);
    QWaylandWindow* waylandWindow() const;

    void update();
    bool isDirty() const;

    virtual QMargins margins(MarginsType marginsType = Full) const = 0;

    QWindow* window() const;
    const QImage& contentImage();

    virtual bool handleMouse(QWaylandInputDevice* inputDevice, const QPointF& local,
                             const QPointF& global, Qt::MouseButtons buttons,
                             Qt::KeyboardModifiers modifiers) = 0;
    virtual bool handleTouch(QWaylandInputDevice* inputDevice, const QPointF& local,
                             const QPointF& global, QEventPoint::State state,
                             Qt::KeyboardModifiers modifiers) = 0;

protected:
    virtual void paint(QPaintDevice* device) = 0;

    void setMouseButtons(Qt::MouseButtons buttons);

    void startResize(QWaylandInputDevice* inputDevice, Qt::Edges edges, Qt::MouseButtons buttons);
    void startMove(QWaylandInputDevice* inputDevice, Qt::MouseButtons buttons);
    void showWindowMenu(QWaylandInputDevice* inputDevice);

    bool isLeftClicked(Qt::MouseButtons newMouseButtonState);
    bool isRightClicked(Qt::MouseButtons newMouseButtonState);
    bool isLeftReleased(Qt::MouseButtons newMouseButtonState);
};

class Q_DECL_IMPORT QWaylandDecorationPlugin : public QObject {
public:
    static const QMetaObject staticMetaObject;
    const QMetaObject* metaObject() const override;
    void* qt_metacast(const char* name) override;
    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;

    explicit QWaylandDecorationPlugin(QObject* parent = nullptr);
    ~QWaylandDecorationPlugin() override;

    virtual QWaylandAbstractDecoration* create(const QString& key,
                                               const QStringList& parameters) = 0;
};

} // namespace QtWaylandClient
