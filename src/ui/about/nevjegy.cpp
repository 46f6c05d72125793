#include "ui/nevjegy.h"

#include "accessibility/accessible_controls.h"
#include "app/color_value.h"
#include "app/paths.h"
#include "fonts/layout_fonts.h"
#include "shared/help_page.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/error_box.h"
#include "ui/nevjegy_texts.h"
#include "ui/pictures.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>

namespace ejteto {

namespace {

constexpr int kClientWidth = 257;
constexpr int kClientHeight = 365;

QFont windowFont(bool bold = false, bool underline = false)
{
    return layoutFont(QStringLiteral("MS Sans Serif"), -11, bold, underline);
}

// Every label of the window has a fixed size and centred text; the wrapping
// ones break their text inside that size instead of growing.
Label* centredLabel(QWidget* parent, const QString& name, QRect geometry, const QString& text, bool wrap)
{
    auto* label = new Label(parent, name, geometry, text, Label::Sizing::Fixed);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

TForm_About::TForm_About(QWidget* parent)
    : ToolWindow(QStringLiteral("Form_About"), QStringLiteral("Névjegy"), parent,
                 Qt::CustomizeWindowHint | Qt::WindowTitleHint), // no title-bar buttons
      appDir_(currentAppDir())
{
    installAccessibleControls(); // before any control exists
    setFixedSize(kClientWidth, kClientHeight);
    // The version in the title bar, beside the caption; the window's own
    // layout stays as it is.
    if (const QString version = QCoreApplication::applicationVersion(); !version.isEmpty())
        setWindowTitle(QStringLiteral("Névjegy – Ejteto! ") + version);
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromValue(colors::Cream));
    setPalette(p);
    setFont(windowFont());
    buildLayout();
}

void TForm_About::buildLayout()
{
    Label_Cim = centredLabel(this, QStringLiteral("Label_Cim"), {24, 8, 209, 13}, QStringLiteral("Ejteto!"), false);
    Label_Cim->setLabelFont(windowFont(true));

    Label_Developer = centredLabel(this, QStringLiteral("Label_Developer"), {72, 32, 113, 25}, kDeveloperCredit, true);

    Label_CC = centredLabel(this, QStringLiteral("Label_CC"), {24, 72, 209, 13}, kLicenceFamily, false);
    Label_CC->setLabelFont(windowFont(true));

    Image_CC = new ImageControl(this, QStringLiteral("Image_CC"), {85, 87, 89, 31});
    Image_CC->setPicture(licenceBadge());

    Label_CC_Licence = centredLabel(this, QStringLiteral("Label_CC_Licence"), {24, 120, 209, 25}, kLicenceName, true);

    Label_Voice = centredLabel(this, QStringLiteral("Label_Voice"), {16, 160, 225, 26}, kVoiceThanks, true);
    Label_Voice->setLabelFont(windowFont(true));

    Label_Kudos = centredLabel(this, QStringLiteral("Label_Kudos"), {24, 200, 209, 17}, kKudosTitle, true);
    Label_Kudos->setLabelFont(windowFont(true));

    // Shows its layout text only until the window is first activated.
    Label_Support =
        centredLabel(this, QStringLiteral("Label_Support"), {16, 214, 225, 65}, QStringLiteral("Nevek"), true);

    Label_URL = centredLabel(this, QStringLiteral("Label_URL"), {56, 296, 145, 17}, kHelpAddress, true);
    Label_URL->setLabelFont(windowFont(false, true));
    Label_URL->setTextColor(colorFromValue(colors::PureBlue));
    Label_URL->setPressable(PressRole::Link);
    Label_URL->setAccessibleDescription(QStringLiteral("A súgó megnyitása (F1)"));

    Button_Bezar = new QPushButton(QStringLiteral("Bezár"), this);
    Button_Bezar->setObjectName(QStringLiteral("Button_Bezar"));
    Button_Bezar->setGeometry(91, 328, 75, 25);
    Button_Bezar->setFocusPolicy(Qt::StrongFocus); // the window's only focusable control
    // Enter presses the focused button too, not only the space bar.
    Button_Bezar->setAutoDefault(true);

    connect(Label_URL, &Label::clicked, this, guarded([this] { Label_URLClick(); }));
    connect(Button_Bezar, &QPushButton::clicked, this, guarded([this](bool) { Button_BezarClick(); }));
}

void TForm_About::setUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }

void TForm_About::FormActivate()
{
    Label_Support->setLabelText(contributorsList());
    // Only the button takes the focus: it carries the window's text, so a
    // screen reader reads it all when the window opens.
    QStringList texts;
    for (const Label* l :
         {Label_Cim, Label_Developer, Label_CC, Label_CC_Licence, Label_Voice, Label_Kudos, Label_Support, Label_URL})
        texts << l->text().simplified();
    if (const QString version = QCoreApplication::applicationVersion(); !version.isEmpty())
        texts.insert(1, QStringLiteral("Változat: ") + version + QLatin1Char('.'));
    Button_Bezar->setAccessibleDescription(texts.join(QLatin1Char(' ')));
}

void TForm_About::Label_URLClick()
{
    // The label's own current text is the address, so changing the text
    // changes the target. A page that is missing or that the desktop cannot
    // open is reported; the window stays as it is.
    const QUrl target = addressTarget(Label_URL->text(), appDir_);
    if (!target.isValid())
        return;
    openHelpPage(target, urlOpener_);
}

void TForm_About::Button_BezarClick() { hide(); }

void TForm_About::closeByKey() { Button_Bezar->click(); }

bool TForm_About::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        runGuarded([this] { FormActivate(); });
    return ToolWindow::event(e);
}

void TForm_About::showEvent(QShowEvent* e)
{
    ToolWindow::showEvent(e);
    // Activation events may not arrive on every platform, so showing counts
    // as an activation too.
    runGuarded([this] { FormActivate(); });
    Button_Bezar->setFocus(Qt::OtherFocusReason);
}

} // namespace ejteto
