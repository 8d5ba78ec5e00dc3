#include "windows/frmPassword.h"

#include "game/Game.h"
#include "windows/Controls.h"
#include "windows/Look.h"
#include "windows/RoundedRegion.h"

#include <QKeyEvent>
#include <QLineEdit>

using namespace jumpline;

namespace {

// The window's client area: 2145 x 1095 twips at 15 twips per pixel.
constexpr int PasswordWidthPx = 143;
constexpr int PasswordHeightPx = 73;

} // namespace

frmPassword::frmPassword(QWidget *owner) : QWidget(owner, Qt::Window | Qt::FramelessWindowHint)
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
    cmdEnter = new FlatButton(QStringLiteral("Enter"), 8.25, false, this);
    cmdCancel = new FlatButton(QStringLiteral("Cancel"), 8.25, false, this);

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
    txtPassword->setFocus(); // the next code is typed at once, also after a click on a button
    if (!right)
        return;
    emit accepted();
    hide();
}

void frmPassword::cmdCancel_Click()
{
    // What was typed stays for the next showing, which takes the code at once.
    txtPassword->setFocus();
    emit cancelled();
    hide();
}
