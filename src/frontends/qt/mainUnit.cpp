#include "mainUnit.h"

#include "AppContext.h"
#include "ErrorBox.h"
#include "GUnit.h"
#include "GridMenu.h"
#include "PrintFromWindow.h"
#include "WidgetFactory.h"
#include "grid/StringGrid.h"
#include "screens/Fill.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <array>

using namespace turvane;

namespace {

QIcon ApplicationIcon() {
    // Both pictures, whatever the scale at start: QIcon looks for the @2x file
    // on its own only when the program starts on a scaled screen.
    QIcon icon;
    icon.addFile(QStringLiteral(":/turvane.png"));
    icon.addFile(QStringLiteral(":/turvane@2x.png"));
    return icon;
}

} // namespace

TForm1::TForm1(const AppContext& context, QWidget* parent)
    : QWidget(parent), context_(std::make_unique<const AppContext>(context)) {
    BuildLayout();
    // The window is shown with whatever was filled before a failure.
    RunReportingErrors(*context_, [this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::BuildLayout() {
    const DesignedControls controls = BuildWindow(this, screens::MainWindowDesign());
    setWindowIcon(ApplicationIcon());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    GroupBox1 = controls.get<QGroupBox>("GroupBox1");
    GroupBox2 = controls.get<QGroupBox>("GroupBox2");
    GroupBox3 = controls.get<QGroupBox>("GroupBox3");
    GroupBox4 = controls.get<QGroupBox>("GroupBox4");
    GroupBox5 = controls.get<QGroupBox>("GroupBox5");
    StringGrid1 = controls.get<StringGrid>("StringGrid1");
    StringGrid2 = controls.get<StringGrid>("StringGrid2");
    Edit1 = controls.get<QLineEdit>("Edit1");
    Edit2 = controls.get<QLineEdit>("Edit2");
    Edit3 = controls.get<QLineEdit>("Edit3");
    Edit4 = controls.get<QLineEdit>("Edit4");
    Edit5 = controls.get<QLineEdit>("Edit5");
    Edit6 = controls.get<QLineEdit>("Edit6");
    Label1 = controls.get<QLabel>("Label1");
    Label2 = controls.get<QLabel>("Label2");
    Image1 = controls.get<QLabel>("Image1");
    Bevel1 = controls.get<QFrame>("Bevel1");
    Button2 = controls.get<QPushButton>("Button2");
    Button3 = controls.get<QPushButton>("Button3");
    Image1->setPixmap(ApplicationIcon().pixmap(32, 32));

    InstallGridMenu(StringGrid1, *context_);
    InstallGridMenu(StringGrid2, *context_);
    InstallPrintShortcut(this, *context_);

    connect(Button2, &QPushButton::clicked, this,
            [this] { RunReportingErrors(*context_, [this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { RunReportingErrors(*context_, [this] { Button3Click(); }); });
}

// The screens layer runs the creation handler's steps and says what the
// window shows after them, a failure's message included; the window puts it
// into its controls and shows the failure as the handler's own would be.
void TForm1::FormCreate() {
    const screens::MainWindowFill fill =
        screens::FillMainWindow(*context_->files, context_->today(), context_->year);
    Label1->setText(ToQString(fill.Label1));
    Label1->adjustSize();
    const std::vector<QString> texts = ToQStrings(fill.texts);
    ApplyGridFill(*StringGrid1, fill.StringGrid1, texts);
    ApplyGridFill(*StringGrid2, fill.StringGrid2, texts);
    GroupBox4->setTitle(ToQString(fill.GroupBox4));
    GroupBox5->setTitle(ToQString(fill.GroupBox5));
    const std::array edits{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        edits[i]->setText(ToQString(fill.edits[i]));
    }
    if (fill.failure) {
        throw ScheduleError(fill.failure->message);
    }
}

void TForm1::Button2Click() {
    close();
}

void TForm1::Button3Click() {
    // A new list for every press, read afresh, released when it closes.
    TForm2 form(*context_, this);
    form.exec();
}
