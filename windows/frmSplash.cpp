#include "windows/frmSplash.h"

#include "windows/Controls.h"
#include "windows/Look.h"
#include "windows/Resources.h"
#include "windows/RoundedRegion.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <utility>

using namespace jumpline;

namespace {

// The window's client area: 5385 x 4410 twips at 15 twips per pixel.
constexpr int SplashWidthPx = 359;
constexpr int SplashHeightPx = 294;

const QColor White(0xFF, 0xFF, 0xFF);

QRadioButton *optionButton(const QString &caption, QWidget *parent)
{
    auto *option = new QRadioButton(caption, parent);
    option->setFont(designFont(9.75, true));
    setTextColours(option, White, DisabledText); // a disabled choice shows grey
    return option;
}

QLabel *centredLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(designFont(8.25, false));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(label, White);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    initResources();
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Jumpline"));
    setFixedSize(SplashWidthPx, SplashHeightPx);
    fillWith(this, Qt::black);

    createControls();
    Form_Load();
    move(screen()->availableGeometry().center() - rect().center()); // opens centred on the screen
}

frmSplash::~frmSplash() = default;

void frmSplash::createControls()
{
    // The pictures and labels lie beneath the controls that take the mouse.
    Image1 = new PictureBox(this);
    Image1->setPicture(QPixmap(QStringLiteral(":/splash.png")));
    Image1->setAccessibleName(QStringLiteral("Jumpline"));
    Image2 = new PictureBox(this);
    Image2->setPicture(QPixmap(QStringLiteral(":/logo.png")));
    Image2->setAccessibleName(QStringLiteral("the Jumpline authors"));
    Label1 = centredLabel(QStringLiteral("Version 1.3.3"), this);
    Label2 = centredLabel(QStringLiteral("© 2026 the Jumpline authors"), this);
    Label3 = centredLabel(QStringLiteral("https://jumpline.example"), this);

    // Then the rest in tab order.
    optHuman = optionButton(QStringLiteral("Versus Human"), this);
    optComputer = optionButton(QStringLiteral("Versus Computer"), this);
    frmFirst = new ChoiceGroup(this); // black, no border: it only groups the first-player choice
    frmFirst->setFrameShape(QFrame::NoFrame);
    frmFirst->setAccessibleName(QStringLiteral("First player"));
    optRed = optionButton(QStringLiteral("Red is First"), frmFirst);
    optBlack = optionButton(QStringLiteral("Black is First"), frmFirst);
    cmdStart = new FlatButton(QStringLiteral("Start Game"), 9.75, true, this);
    cmdExit = new FlatButton(QStringLiteral("Exit"), 9.75, true, this);

    // Two choices, each with exactly one option selected. (Qt's automatic exclusivity
    // would look into the frame too and let a selected option be clicked off.)
    for (const auto &[first, second] : {std::pair{optHuman, optComputer}, std::pair{optRed, optBlack}}) {
        auto *choice = new QButtonGroup(this);
        choice->addButton(first);
        choice->addButton(second);
    }
    optHuman->setChecked(true);
    optRed->setChecked(true);

    // Design positions and sizes in twips, at 15 twips per pixel.
    designed = {
        {Image1, {-210, 0, 5250, 1575}},     {Image2, {1720, 3465, 1695, 615}},
        {Label1, {0, 3045, 5055, 330}},      {Label2, {0, 3255, 5055, 345}},
        {Label3, {0, 4080, 5055, 345}},      {optHuman, {315, 1575, 2370, 330}},
        {optComputer, {315, 1890, 2820, 330}}, {frmFirst, {2940, 1630, 2115, 645}},
        {optRed, {0, 0, 2130, 225}},         {optBlack, {0, 315, 2130, 225}},
        {cmdStart, {420, 2310, 1905, 645}},  {cmdExit, {2625, 2310, 1905, 645}},
    };
    const std::pair<QWidget *, const char *> names[] = {
        {Image1, "Image1"},     {Image2, "Image2"},   {Label1, "Label1"}, {Label2, "Label2"},
        {Label3, "Label3"},     {optHuman, "optHuman"}, {optComputer, "optComputer"},
        {frmFirst, "frmFirst"}, {optRed, "optRed"},   {optBlack, "optBlack"}, {cmdStart, "cmdStart"},
        {cmdExit, "cmdExit"},
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QLatin1String(name));

    setTabOrder(optHuman, optComputer);
    setTabOrder(optComputer, optRed);
    setTabOrder(optRed, optBlack);
    setTabOrder(optBlack, cmdStart);
    setTabOrder(cmdStart, cmdExit);

    // Every way a choice is made (mouse, keyboard, the program itself) keeps the settings in line.
    for (QRadioButton *option : {optHuman, optComputer, optRed, optBlack})
        connect(option, &QRadioButton::toggled, this, &frmSplash::syncSettings);
    connect(optHuman, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            optHuman_Click();
    });
    connect(optComputer, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            optComputer_Click();
    });
    connect(cmdStart, &QPushButton::clicked, this, &frmSplash::cmdStart_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmSplash::cmdExit_Click);
}

void frmSplash::Form_Load()
{
    gameSettings.blnTestMode = false;
    ApplyRoundedRegion(this, 1, 1, 336, 290, 15, 15);
    ApplyRoundedRegion(cmdStart, 5, 5, 122, 38, 15, 15);
    ApplyRoundedRegion(cmdExit, 5, 5, 122, 38, 15, 15);
    const TwipsPerPixel screenRatio = screenTwipsPerPixel(this);
    ScaleFormToScreen(designed, SplashRules, screenRatio);
}

void frmSplash::optHuman_Click()
{
    // The first-player choice stays as it is.
    optBlack->setEnabled(true);
}

void frmSplash::optComputer_Click()
{
    // Against the computer Red always moves first. Selecting Red deselects Black.
    optRed->setChecked(true);
    optBlack->setEnabled(false);
}

void frmSplash::syncSettings()
{
    gameSettings.opponent = optComputer->isChecked() ? Settings::Opponent::Computer : Settings::Opponent::Human;
    gameSettings.first = optBlack->isChecked() ? Settings::FirstPlayer::Black : Settings::FirstPlayer::Red;
}

void frmSplash::cmdStart_Click()
{
    if (std::exchange(started, true))
        return;
    emit startGame(); // loading the main window starts the first game
    hide();           // not closed: the settings live here until the program ends
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: // the button that has the keys, or else Start Game
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        else
            cmdStart_Click();
        break;
    case Qt::Key_Escape: cmdExit_Click(); break;
    // An arrow key that the focused control did not take goes on to the next or previous one.
    case Qt::Key_Down:
    case Qt::Key_Right: focusNextChild(); break;
    case Qt::Key_Up:
    case Qt::Key_Left: focusPreviousChild(); break;
    default: QWidget::keyPressEvent(event);
    }
}

void frmSplash::cmdExit_Click()
{
    // Reachable only before "Start Game": there is no main window to close.
    close();
    QCoreApplication::exit(0);
}
