#include "windows/frmPassword.h"

#include "game/Game.h"
#include "windows/Look.h"
#include "windows/RoundedRegion.h"
#include "windows/frmMain.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace jumpline;

namespace {

// The window's client area: 2145 x 1095 twips at 15 twips per pixel.
constexpr int PasswordWidthPx = 143;
constexpr int PasswordHeightPx = 73;

QPushButton *pushButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setFont(designFont(8.25, false));
    button->setStyleSheet(buttonStyle(Qt::black));
    button->setAutoDefault(false); // Return and Escape press neither button
    button->setDefault(false);
    return button;
}

} // namespace

frmPassword::frmPassword(frmMain &owner) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), owner(owner)
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral("Password"));
    setFixedSize(PasswordWidthPx, PasswordHeightPx);
    fillWith(this, Qt::black);

    createControls();
    Form_Load();
}

frmPassword::~frmPassword() = default;

void frmPassword::createControls()
{
    txtPassword = new QLineEdit(this);
    txtPassword->setEchoMode(QLineEdit::Password);
    // The character that hides the typed ones depends on the style; here it is always "*".
    txtPassword->setStyleSheet(QStringLiteral("QLineEdit { background-color: white; color: black;"
                                              " border: 2px inset %1; padding: 0;"
                                              " lineedit-password-character: 42; }")
                                   .arg(LightGrey.name()));
    txtPassword->setFont(designFont(8.25, false));
    txtPassword->setAccessibleName(QStringLiteral("Password"));
    cmdEnter = pushButton(QStringLiteral("Enter"), this);
    cmdCancel = pushButton(QStringLiteral("Cancel"), this);

    // Design positions and sizes in twips, at 15 twips per pixel.
    designed = {
        {txtPassword, {240, 240, 1695, 285}},
        {cmdEnter, {240, 480, 855, 375}},
        {cmdCancel, {1080, 480, 855, 375}},
    };
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    cmdEnter->setObjectName(QStringLiteral("cmdEnter"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    setTabOrder(txtPassword, cmdEnter);
    setTabOrder(cmdEnter, cmdCancel);

    connect(cmdEnter, &QPushButton::clicked, this, &frmPassword::cmdEnter_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPassword::cmdCancel_Click);
}

void frmPassword::Form_Load()
{
    ApplyRoundedRegion(this, 1, 1, 144, 66, 15, 15);
    ApplyRoundedRegion(cmdEnter, 5, 5, 54, 22, 15, 15);
    ApplyRoundedRegion(cmdCancel, 5, 5, 54, 22, 15, 15);
    const TwipsPerPixel screenRatio = screenTwipsPerPixel(this);
    ScaleFormToScreen(designed, PasswordRules, screenRatio);
}

void frmPassword::showOverOwner()
{
    if (!isVisible()) {
        move(owner.geometry().center() - rect().center()); // opens centred on the main window
        show();
    }
    raise();
    activateWindow();
}

void frmPassword::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: cmdEnter_Click(); break;
    case Qt::Key_Escape: cmdCancel_Click(); break;
    default: QWidget::keyPressEvent(event);
    }
}

void frmPassword::cmdEnter_Click()
{
    // Any mix of cases is the code; a blank before or after it is not.
    const bool right = IsAccessCode(txtPassword->text().toStdString());
    txtPassword->clear();
    if (!right)
        return;
    owner.ShowTestWindow();
    hide();
}

void frmPassword::cmdCancel_Click()
{
    // What was typed stays for the next showing.
    owner.activateWindow();
    owner.setFocus();
    hide();
}
