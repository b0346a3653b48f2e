#include "GUnit.h"

#include "AppContext.h"
#include "ErrorBox.h"
#include "GridMenu.h"
#include "PrintFromWindow.h"
#include "WidgetFactory.h"
#include "grid/StringGrid.h"
#include "screens/Fill.h"

#include <QGroupBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

using namespace turvane;

TForm2::TForm2(const AppContext& context, QWidget* parent)
    : QDialog(parent), context_(std::make_unique<const AppContext>(context)) {
    BuildLayout();
    PlaceOnOwner();
    // The window opens even when filling it failed; "戻     る" still closes it.
    RunReportingErrors(*context_, [this] { FormCreate(); });
}

TForm2::~TForm2() = default;

void TForm2::BuildLayout() {
    const DesignedControls controls = BuildWindow(this, screens::ListWindowDesign());
    setSizeGripEnabled(false);
    // Always shown modally; screen readers are told so from the start.
    setModal(true);
    GroupBox1 = controls.get<QGroupBox>("GroupBox1");
    GroupBox2 = controls.get<QGroupBox>("GroupBox2");
    StringGrid1 = controls.get<StringGrid>("StringGrid1");
    Button1 = controls.get<QPushButton>("Button1");
    InstallGridMenu(StringGrid1, *context_, CalendarContent::GradedRacesOnly);
    InstallPrintShortcut(this, *context_);
    connect(Button1, &QPushButton::clicked, this,
            [this] { RunReportingErrors(*context_, [this] { Button1Click(); }); });
}

void TForm2::PlaceOnOwner() {
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (owner == nullptr || !owner->isVisible()) {
        return;
    }
    // The window manager decorates both windows alike: the list's frame is
    // its size grown by the owner's frame.
    const QRect ownerFrame = owner->frameGeometry();
    const QRect ownerClient = owner->geometry();
    const QMargins decoration(
        ownerClient.left() - ownerFrame.left(), ownerClient.top() - ownerFrame.top(),
        ownerFrame.right() - ownerClient.right(), ownerFrame.bottom() - ownerClient.bottom());
    QRect frame(QPoint(), size().grownBy(decoration));
    frame.moveCenter(ownerFrame.center());
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        frame.moveLeft(std::max(available.left(),
                                std::min(frame.left(), available.right() + 1 - frame.width())));
        frame.moveTop(std::max(available.top(),
                               std::min(frame.top(), available.bottom() + 1 - frame.height())));
    }
    // An explicit place, set before the window is first shown: the window
    // manager is told it with the window and keeps it, instead of choosing
    // one of its own as it may for a dialog that only its toolkit centred.
    move(frame.topLeft());
}

void TForm2::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const screens::ListWindowPlaces places = screens::ListWindowLayout({width(), height()});
    GroupBox1->setGeometry(ToQRect(places.GroupBox1));
    GroupBox2->setGeometry(ToQRect(places.GroupBox2));
    StringGrid1->setGeometry(ToQRect(places.StringGrid1));
}

void TForm2::FormCreate() {
    const screens::ListWindowFill fill =
        screens::FillListWindow(*context_->files, context_->today(), context_->year);
    ApplyGridFill(*StringGrid1, fill.StringGrid1, ToQStrings(fill.texts));
    if (fill.failure) {
        throw ScheduleError(fill.failure->message);
    }
}

void TForm2::Button1Click() {
    close();
}
