#include "notebook/frmAbout.h"

#include "Version.h"
#include "notebook/AccessibleNames.h"
#include "notebook/AppIcon.h"
#include "notebook/Twips.h"
#include "notebook/WindowFonts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 5730;
constexpr int ClientHeight = 2520;
constexpr int TextLeft = 1050;
constexpr int TextWidth = ClientWidth - TextLeft - 240;

QLabel *label(QWidget *parent, const char *name, int top, int height)
{
    auto *widget = new QLabel(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(Twips::rect(TextLeft, top, TextWidth, height));
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setTextFormat(Qt::PlainText);
    return widget;
}

// One half of an etched rule: a line one pixel high in a shade of the window.
QFrame *line(QWidget *parent, const char *name, int top, QPalette::ColorRole shade)
{
    auto *widget = new QFrame(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(Twips::rect(240, top, ClientWidth - 480, 15));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, palette.color(shade));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    return widget;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    // A fixed dialog: the window manager offers no minimize, maximize or resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(AppIcon::icon());
    setFont(WindowFonts::smallSans(false));
    setFixedSize(Twips::size(ClientWidth, ClientHeight));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(Twips::rect(240, 240, 480, 480));
    picIcon->setPixmap(AppIcon::icon().pixmap(32, 32));

    lblTitle = label(this, "lblTitle", 240, 480);
    QFont titleFont = WindowFonts::smallSans(false);
    titleFont.setPointSizeF(13.5);
    lblTitle->setFont(titleFont);
    lblVersion = label(this, "lblVersion", 780, 255);
    lblDescription = label(this, "lblDescription", 1080, 450);
    lblDescription->setWordWrap(true);

    // A double etched rule above the button.
    Line1 = line(this, "Line1", 1635, QPalette::Dark);
    Line2 = line(this, "Line2", 1650, QPalette::Light);
    Line3 = line(this, "Line3", 1695, QPalette::Dark);
    Line4 = line(this, "Line4", 1710, QPalette::Light);

    // The licence, small, beside the button.
    lblLicense = new QLabel(this);
    lblLicense->setObjectName(QStringLiteral("lblLicense"));
    lblLicense->setGeometry(Twips::rect(240, 1905, ClientWidth - 240 - 1260 - 480, 435));
    lblLicense->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblLicense->setTextFormat(Qt::PlainText);
    QFont licenseFont = WindowFonts::smallSans(false);
    licenseFont.setPointSizeF(licenseFont.pointSizeF() * 0.85);
    lblLicense->setFont(licenseFont);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rect(ClientWidth - 240 - 1260, 1935, 1260, 375));
    // Default and cancel button alike: Enter presses it, and Escape closes
    // the window as the dialog's own cancel.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    AccessibleNames::apply(this);

    Form_Load();
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(Version::title()));
    lblVersion->setText(tr("Version %1.%2.%3").arg(Version::Major).arg(Version::Minor).arg(Version::Revision));
    lblTitle->setText(Version::title());
    lblDescription->setText(Version::description());
    lblLicense->setText(tr("Copyright (c) 2026 The Jotwell developers.\nFree software under the MIT licence."));
}

void frmAbout::cmdOK_Click()
{
    close();
}
