#include "dialogs/about_box.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "platform/screen_area.h"

namespace {
QLabel* panelLabel(QFrame* panel, const char* name, const QString& text, QPoint topLeft) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(text);
    label->move(topLeft);
    return label;
}

QFont sansFont(int pointSize, bool bold) {
    QFont font = TTavDialog::dialogFont();
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

// The fallback for a font may be wider than the original; a caption that would not fit the
// panel is set smaller until it does.
void fitWidth(QLabel* label, int width) {
    QFont font = label->font();
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(label->text()) > width) {
        font.setPointSize(font.pointSize() - 1);
        label->setFont(font);
    }
}

void paintNavy(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    label->setPalette(palette);
}
}  // namespace

TAboutBox::TAboutBox(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("About"), QSize(278, 278), Layer::Normal) {
    setObjectName(QStringLiteral("AboutBox"));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    // A frame around the labels, without a name: a screen reader reads the labels, not the frame.
    // Box + Sunken: a lowered outer edge around a raised inner edge.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    Panel1->setGeometry(8, 8, 257, 217);

    ProductName = panelLabel(Panel1, "ProductName", QStringLiteral("C++ Tavrin"), {8, 8});
    ProductName->setFont(sansFont(14, false));
    Version = panelLabel(Panel1, "Version", QStringLiteral("Version 1.1"), {8, 32});
    Copyright = panelLabel(Panel1, "Copyright", QStringLiteral("Notice:"), {8, 112});
    Comments =
        panelLabel(Panel1, "Comments", QStringLiteral("free to use and to pass on"), {72, 112});
    Label3 = panelLabel(Panel1, "Label3", QStringLiteral("Written and published by"), {8, 128});
    Label1 = panelLabel(Panel1, "Label1", QStringLiteral("QVO Quorvale"), {8, 144});
    Label1->setFont(sansFont(12, true));
    Label4 = panelLabel(Panel1, "Label4", QStringLiteral("Brindlecote Software"), {8, 168});
    QFont serif(QStringLiteral("MS Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(18);
    Label4->setFont(serif);
    paintNavy(Label4);
    Label5 = panelLabel(Panel1, "Label5", QStringLiteral("Tools for programmers"), {8, 192});
    paintNavy(Label5);
    for (QLabel* label :
         {ProductName, Version, Copyright, Comments, Label3, Label1, Label4, Label5}) {
        fitWidth(label, Panel1->width() - label->x() - 8);
        label->adjustSize();
    }

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setAccessibleName(QStringLiteral("OK"));
    OKButton->setGeometry(87, 236, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { done(tav::ModalOk); });
}

void TAboutBox::centreOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
    tav::keepOnScreen(this);  // a box larger than the screen shows its top left corner
}

void TAboutBox::setVisible(bool visible) {
    // Centred before it appears, and again once the window frame's size is known.
    if (visible && !isVisible()) centreOnScreen();
    TTavDialog::setVisible(visible);
}

void TAboutBox::showEvent(QShowEvent* event) {
    TTavDialog::showEvent(event);
    centreOnScreen();
}

void TAboutBox::keyPressEvent(QKeyEvent* event) { QDialog::keyPressEvent(event); }
