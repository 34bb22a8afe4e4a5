// The Qt widget of a window: it shows the backing image (and the caret over
// it) and turns Qt's input events into the window's messages.
// Framework-internal.
#pragma once

#include <QWidget>

#include <functional>

#include "framework/window/WinHandles.h"

class WindowWidget : public QWidget {
public:
    WindowWidget(HWND hWnd, QWidget *parent, Qt::WindowFlags flags);
    ~WindowWidget() override;

    HWND Window() const { return m_hWnd; }
    // The window is gone: the widget stops sending messages and deletes
    // itself as soon as no event of its own is running.
    void Release();

    // Moves or resizes the widget without reporting it back as a change
    // made by the user.
    void SetGeometryQuietly(const QRect &rect);
    // Runs what changes the widget's state or geometry on the window's
    // behalf (showing it maximised...) without reporting the geometry back.
    void RunQuietly(const std::function<void()> &change);

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void moveEvent(QMoveEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void FollowDesktopState();

    HWND m_hWnd;
    int m_eventDepth = 0;
    bool m_released = false;
    bool m_quietGeometry = false;
    bool m_composing = false;
};

// The custom event that asks a widget's window to paint.
constexpr int kPaintRequestEvent = 1000 + 0x0F; // QEvent::User + WM_PAINT
