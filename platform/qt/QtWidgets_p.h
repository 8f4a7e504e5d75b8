#pragma once
// The QWidgets behind the controls. Each keeps a pointer to its control that
// the host clears when the control's window is destroyed, so a widget never
// calls into a control that is gone.

#include <QPushButton>
#include <QWidget>

namespace qvx {

class TWinControl;
class TBitBtn;

// Shows a control's surface and delivers mouse input to it. Top-level for forms.
class TSurfaceWidget : public QWidget {
public:
    TSurfaceWidget(TWinControl* control, QWidget* parent);
    void Detach() { FControl = nullptr; }
    TWinControl* Control() const { return FControl; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TWinControl* FControl;
};

class TButtonWidget : public QPushButton {
public:
    TButtonWidget(TBitBtn* button, QWidget* parent);
    void Detach() { FButton = nullptr; }
    void Sync();

private:
    TBitBtn* FButton;
};

}  // namespace qvx
