#include "platform/qt/QtHost.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "platform/controls/Application.h"
#include "platform/controls/BitBtn.h"
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/qt/QtWidgets_p.h"

namespace qvx {

namespace {

// The widget inside paintEvent: drawing on its surface during the paint
// needs no extra presentation.
const QWidget* gPainting = nullptr;

uint16_t KeysOf(const QMouseEvent* e)
{
    uint16_t keys = 0;
    if (e->buttons() & Qt::LeftButton) keys |= MK_LBUTTON;
    if (e->buttons() & Qt::RightButton) keys |= MK_RBUTTON;
    if (e->buttons() & Qt::MiddleButton) keys |= MK_MBUTTON;
    if (e->modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
    if (e->modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
    return keys;
}

TMouseButton ButtonOf(const QMouseEvent* e)
{
    switch (e->button()) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
    }
}

void Deliver(TWinControl* c, TMouseMessage kind, QMouseEvent* e)
{
    if (c == nullptr) return;
    const QPoint p = e->position().toPoint();
    c->HostMouse(kind, ButtonOf(e), KeysOf(e), p.x(), p.y());
}

Qt::CursorShape ShapeOf(TCursor c)
{
    switch (c) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crNoDrop: case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crMultiDrag: return Qt::DragCopyCursor;
    case crSQLWait: case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

QCursor CursorOf(TCursor c, const TCursorImage* custom)
{
    if (custom == nullptr) return QCursor(ShapeOf(c));
    // Qt's monochrome cursor: bitmap 1 + mask 1 black, 0 + 1 white, 0 + 0
    // transparent, 1 + 0 inverted where the platform can.
    QImage bits(TCursorImage::Size, TCursorImage::Size, QImage::Format_Mono);
    QImage mask(TCursorImage::Size, TCursorImage::Size, QImage::Format_Mono);
    bits.fill(0);
    mask.fill(0);
    for (int y = 0; y < TCursorImage::Size; ++y) {
        for (int x = 0; x < TCursorImage::Size; ++x) {
            const uint8_t p = custom->Pixels[size_t(y * TCursorImage::Size + x)];
            bits.setPixel(x, y, (p == TCursorImage::Black || p == TCursorImage::Inverted) ? 1 : 0);
            mask.setPixel(x, y, (p == TCursorImage::Black || p == TCursorImage::White) ? 1 : 0);
        }
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), custom->HotX, custom->HotY);
}

}  // namespace

// --- TQtApplication -----------------------------------------------------------------------

TQtApplication::TQtApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQtApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        Application().HandleException(e);
    }
    return false;
}

// --- TSurfaceWidget -------------------------------------------------------------------------

TSurfaceWidget::TSurfaceWidget(TWinControl* control, QWidget* parent) : QWidget(parent), FControl(control)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the surface covers every pixel
}

void TSurfaceWidget::paintEvent(QPaintEvent*)
{
    if (FControl == nullptr) return;
    gPainting = this;
    FControl->HostPaint();
    gPainting = nullptr;
    TPixelBuffer* surface = FControl->Surface();
    if (surface == nullptr || surface->Width() == 0 || surface->Height() == 0) return;
    const QImage image(reinterpret_cast<const uchar*>(surface->Bits()), surface->Width(), surface->Height(),
                       qsizetype(surface->Stride()) * 4, QImage::Format_RGB32);
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void TSurfaceWidget::mousePressEvent(QMouseEvent* e) { Deliver(FControl, TMouseMessage::Down, e); }
void TSurfaceWidget::mouseDoubleClickEvent(QMouseEvent* e) { Deliver(FControl, TMouseMessage::DoubleDown, e); }
void TSurfaceWidget::mouseReleaseEvent(QMouseEvent* e) { Deliver(FControl, TMouseMessage::Up, e); }
void TSurfaceWidget::mouseMoveEvent(QMouseEvent* e) { Deliver(FControl, TMouseMessage::Move, e); }

void TSurfaceWidget::enterEvent(QEnterEvent*)
{
    if (FControl != nullptr) FControl->HostMouseEnter();
}

void TSurfaceWidget::leaveEvent(QEvent*)
{
    if (FControl != nullptr) FControl->HostMouseLeave();
}

void TSurfaceWidget::resizeEvent(QResizeEvent*)
{
    if (FControl == nullptr || !isWindow()) return;
    if (width() != FControl->ClientWidth() || height() != FControl->ClientHeight())
        FControl->HostResized(width(), height());
}

void TSurfaceWidget::closeEvent(QCloseEvent* e)
{
    // The form decides: closing the main form ends the program.
    e->ignore();
    if (auto* form = dynamic_cast<TForm*>(FControl)) form->HostCloseRequest();
}

void TSurfaceWidget::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::ActivationChange) return;
    if (auto* form = dynamic_cast<TForm*>(FControl)) {
        if (isActiveWindow()) form->HostActivate();
        else form->HostDeactivate();
    }
}

// --- TButtonWidget ---------------------------------------------------------------------------

TButtonWidget::TButtonWidget(TBitBtn* button, QWidget* parent) : QPushButton(parent), FButton(button)
{
    connect(this, &QPushButton::clicked, this, [this] {
        if (FButton != nullptr) FButton->HostClick();
    });
}

void TButtonWidget::Sync()
{
    if (FButton == nullptr) return;
    setText(QString::fromStdString(FButton->Caption()));
    const std::vector<uint32_t> argb = FButton->GlyphARGB();
    if (argb.empty()) {
        setIcon(QIcon());
    } else {
        const TBitmap& g = *FButton->Glyph();
        const QImage image(reinterpret_cast<const uchar*>(argb.data()), g.Width(), g.Height(), g.Width() * 4,
                           QImage::Format_ARGB32);
        setIcon(QIcon(QPixmap::fromImage(image.copy())));
        setIconSize(QSize(g.Width(), g.Height()));
    }
    setEnabled(FButton->Enabled());
    setGeometry(FButton->Left(), FButton->Top(), FButton->Width(), FButton->Height());
    setVisible(FButton->Visible());
}

// --- TQtHost ------------------------------------------------------------------------------------

TQtHost::TQtHost()
{
    Application().SetHost(this);
}

TQtHost::~TQtHost()
{
    if (Application().Host() == this) Application().SetHost(nullptr);
    if (FOverrideCursor) QGuiApplication::restoreOverrideCursor();
}

QWidget* TQtHost::WidgetOf(const TWinControl& control)
{
    return static_cast<QWidget*>(control.HostData());
}

void TQtHost::CreateWindow(TWinControl& control)
{
    QWidget* parent = control.Parent() != nullptr ? WidgetOf(*control.Parent()) : nullptr;
    QWidget* widget;
    if (auto* button = dynamic_cast<TBitBtn*>(&control)) widget = new TButtonWidget(button, parent);
    else widget = new TSurfaceWidget(&control, parent);
    control.SetHostData(widget);
    WindowChanged(control);
}

void TQtHost::DestroyWindow(TWinControl& control)
{
    QWidget* widget = WidgetOf(control);
    if (widget == nullptr) return;
    if (auto* s = dynamic_cast<TSurfaceWidget*>(widget)) s->Detach();
    if (auto* b = dynamic_cast<TButtonWidget*>(widget)) b->Detach();
    widget->hide();
    widget->deleteLater();  // the control may be going away inside one of the widget's own events
}

void TQtHost::WindowChanged(TWinControl& control)
{
    QWidget* widget = WidgetOf(control);
    if (widget == nullptr) return;
    if (auto* b = dynamic_cast<TButtonWidget*>(widget)) {
        b->Sync();
        return;
    }
    if (widget->isWindow()) {
        widget->setWindowTitle(QString::fromStdString(control.Caption()));
        if (widget->width() != control.ClientWidth() || widget->height() != control.ClientHeight())
            widget->resize(control.ClientWidth(), control.ClientHeight());
        const auto* form = dynamic_cast<const TForm*>(&control);
        if (form != nullptr && form->Position() == TPosition::poScreenCenter && widget->screen() != nullptr) {
            const QRect screen = widget->screen()->availableGeometry();
            widget->move(screen.center() - QPoint(control.Width() / 2, control.Height() / 2));
        } else {
            widget->move(control.Left(), control.Top());
        }
    } else {
        widget->setGeometry(control.Left(), control.Top(), control.Width(), control.Height());
    }
    widget->setEnabled(control.Enabled());
    if (widget->isVisible() != control.Visible()) {
        widget->setVisible(control.Visible());
        if (widget->isWindow() && control.Visible()) widget->activateWindow();
    }
}

void TQtHost::InvalidateWindow(TWinControl& control)
{
    if (QWidget* widget = WidgetOf(control)) widget->update();
}

void TQtHost::PresentWindow(TWinControl& control)
{
    QWidget* widget = WidgetOf(control);
    if (widget != nullptr && widget != gPainting) widget->update();
}

int32_t TQtHost::StartTimer(uint32_t intervalMs, std::function<void()> onTimer)
{
    const int32_t id = FNextTimer++;
    auto* timer = new QTimer(this);
    timer->setInterval(int(intervalMs));
    connect(timer, &QTimer::timeout, this, [fire = std::move(onTimer)] { fire(); });
    timer->start();
    FTimers[id] = timer;
    return id;
}

void TQtHost::StopTimer(int32_t id)
{
    const auto it = FTimers.find(id);
    if (it == FTimers.end()) return;
    it->second->stop();
    it->second->deleteLater();  // we may be inside its own timeout
    FTimers.erase(it);
}

void TQtHost::SetCursor(TCursor cursor, const TCursorImage* custom)
{
    if (cursor == crDefault) {
        if (FOverrideCursor) QGuiApplication::restoreOverrideCursor();
        FOverrideCursor = false;
        return;
    }
    if (FOverrideCursor) QGuiApplication::changeOverrideCursor(CursorOf(cursor, custom));
    else QGuiApplication::setOverrideCursor(CursorOf(cursor, custom));
    FOverrideCursor = true;
}

void TQtHost::MessageBox(const std::string& text, const std::string& caption, TMsgBoxKind kind)
{
    QMessageBox box(kind == TMsgBoxKind::mbError ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

void TQtHost::Run()
{
    if (FTerminateRequested) return;
    QApplication::exec();
}

void TQtHost::Terminate()
{
    FTerminateRequested = true;
    QCoreApplication::quit();
}

void TQtHost::ProcessMessages()
{
    QCoreApplication::processEvents();
}

bool TQtHost::AltDown() const
{
    return (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier) != 0;
}

}  // namespace qvx
