#include "windows/frmTest.h"

#include "windows/Fit.h"
#include "windows/Look.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

using namespace jumpline;

namespace {

// The design: a client area of 221 x 132 px whose left 112 px hold the dump, the button
// at (112, 8) 105 x 25 and the caption at (112, 40) 105 x 17.
constexpr int DesignDumpWidthPx = 112;
constexpr int DesignHeightPx = 132;
constexpr int ControlWidthPx = 105;
constexpr int RightMarginPx = 4;
constexpr int ButtonTopPx = 8;
constexpr int ButtonHeightPx = 25;
constexpr int CaptionTopPx = 40;
constexpr int CaptionHeightPx = 17;

// Room around the dump: from the client area's corner and before the controls.
constexpr int DumpMarginPx = 4;
constexpr int DumpGapPx = 8;

// The widest dump there can be: every cell a king's two-character value, the counter at
// its most negative. A fixed-pitch font does not fit it into the design's 112 px, so the
// dump's column is made as wide as this needs and the controls stand to its right.
const QString WidestDump = QStringLiteral("   -2    -2    -2    -2 \n"
                                          "-2    -2    -2    -2 \n"
                                          "   -2    -2    -2    -2 \n"
                                          "-2    -2    -2    -2 \n"
                                          "   -2    -2    -2    -2 \n"
                                          "-2    -2    -2    -2 \n"
                                          "   -2    -2    -2    -2 \n"
                                          "-2    -2    -2    -2 \n"
                                          " \n"
                                          "AI Moves = -32768 \n");

} // namespace

frmTest::frmTest(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmTest"));
    setWindowTitle(QStringLiteral("Test Window"));
    setAttribute(Qt::WA_DeleteOnClose); // closed is gone: the next dump or access code loads it afresh
    createControls();
}

frmTest::~frmTest() = default;

void frmTest::createControls()
{
    lblDump = new QLabel(this);
    lblDump->setObjectName(QStringLiteral("lblDump"));
    lblDump->setTextFormat(Qt::PlainText);
    lblDump->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDump->setFont(fixedPitchFont()); // the columns line up
    const QSize dump = lblDump->fontMetrics().boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, WidestDump).size();
    lblDump->setGeometry(DumpMarginPx, DumpMarginPx, dump.width(), dump.height());

    const int controlsLeft = std::max(DesignDumpWidthPx, DumpMarginPx + dump.width() + DumpGapPx);

    cmdTestMode = new QPushButton(QStringLiteral("Test Mode On/Off"), this);
    cmdTestMode->setObjectName(QStringLiteral("cmdTestMode"));
    cmdTestMode->setFont(designFont(8.25, false));
    cmdTestMode->setGeometry(controlsLeft, ButtonTopPx, ControlWidthPx, ButtonHeightPx);

    lblTestMode = new QLabel(QStringLiteral("Test Mode is OFF"), this);
    lblTestMode->setObjectName(QStringLiteral("lblTestMode"));
    lblTestMode->setFont(designFont(8.25, false));
    lblTestMode->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(lblTestMode, QColor(255, 0, 0));
    lblTestMode->setGeometry(controlsLeft, CaptionTopPx, ControlWidthPx, CaptionHeightPx);
    alsoShows(lblTestMode, {QStringLiteral("Test Mode is ON")});

    resize(controlsLeft + ControlWidthPx + RightMarginPx,
           std::max(DesignHeightPx, DumpMarginPx + dump.height() + DumpMarginPx));
    // The window is not converted, but its captions fit (in the window at its own size).
    fitCaptions(std::initializer_list<QWidget *>{cmdTestMode, lblTestMode});

    connect(cmdTestMode, &QPushButton::clicked, this, &frmTest::cmdTestModeClicked);
}

void frmTest::PrintBoard(const std::string &text)
{
    lblDump->setText(QString::fromStdString(text));
}

void frmTest::showTestMode(bool on)
{
    lblTestMode->setText(on ? QStringLiteral("Test Mode is ON") : QStringLiteral("Test Mode is OFF"));
}

void frmTest::showAndFocus()
{
    show();
    raise();
    activateWindow();
    cmdTestMode->setFocus(); // Space switches test mode
}

void frmTest::closeEvent(QCloseEvent *event)
{
    // Test mode does not outlive the test window.
    emit closing();
    event->accept();
}
