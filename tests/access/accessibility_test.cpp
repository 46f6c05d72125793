// The window as a screen reader finds it: a walk of the accessibility tree
// in every state a learner reaches, which must meet no visible control a
// learner can act on that lacks a name or an action; and the names and
// states that carry what the eye reads off pictures, colours and places.
#include "keyboard_fixture.h"

#include "ui/nevjegy.h"

#include <QAccessible>
#include <QDir>
#include <QFile>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

QAccessibleInterface* a11y(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
QString nameOf(QObject* o) { return a11y(o)->text(QAccessible::Name); }
// The caption a screen reader reads with a control (Qt names a drop-down
// list by its current item and labels it through this relation).
QString labelOf(QObject* o)
{
    const auto labels = a11y(o)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

bool actsOnInput(QAccessibleInterface* node, const QWidget* w)
{
    static const QList<QAccessible::Role> kRoles{
        QAccessible::Button,   QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox, QAccessible::List,       QAccessible::EditableText, QAccessible::Link};
    return node->state().focusable || kRoles.contains(node->role()) || w->cursor().shape() == Qt::PointingHandCursor ||
           (node->actionInterface() && !node->actionInterface()->actionNames().isEmpty());
}

// A list's action is choosing its rows.
bool hasAction(QAccessibleInterface* node)
{
    if (node->actionInterface() && !node->actionInterface()->actionNames().isEmpty())
        return true;
    QAccessibleTableInterface* rows = node->tableInterface();
    if (rows == nullptr || rows->rowCount() == 0)
        return rows != nullptr;
    QAccessibleInterface* first = rows->cellAt(0, 0);
    return first && first->actionInterface() && !first->actionInterface()->actionNames().isEmpty();
}

// Walks the controls under `node`; every shown, enabled control that acts
// on input must have a name and an action. Returns the ones that do not.
QStringList unnamedOrInert(QAccessibleInterface* node, int& checked)
{
    QStringList faults;
    auto* w = qobject_cast<QWidget*>(node->object());
    if (w == nullptr || node->state().invisible || !w->isVisible())
        return faults;
    if (!node->state().disabled && !w->isWindow() && actsOnInput(node, w)) {
        ++checked;
        const QString what = w->objectName() + QStringLiteral(" (") + w->metaObject()->className() + QLatin1Char(')');
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            faults << what + QStringLiteral(": no name");
        if (!hasAction(node))
            faults << what + QStringLiteral(": no action");
    }
    for (int i = 0; i < node->childCount(); ++i)
        faults << unnamedOrInert(node->child(i), checked);
    return faults;
}

class AccessibilityTest : public KeyboardTest {
protected:
    // Walks `window` and records the state's faults under `state`.
    void walk(QWidget* window, const char* state)
    {
        int checked = 0;
        const QStringList found = unnamedOrInert(a11y(window), checked);
        for (const QString& f : found)
            faults << QString::fromLatin1(state) + QStringLiteral(": ") + f;
        total += checked;
        EXPECT_GT(checked, 0) << state;
    }
    void finishRun(FormView& f)
    {
        while (f.QuestionNo <= 10) {
            for (int i = 0; i < 4; ++i)
                if (f.AnswerLabels[i]->text() == f.CorrectWord)
                    key(Qt::Key_1 + i);
            key(Qt::Key_Return);
        }
    }

    QStringList faults;
    int total = 0;
};

} // namespace

TEST_F(AccessibilityTest, EveryVisibleControlALearnerCanUseHasANameAndAnAction)
{
    FormView& f = startForKeys();
    ASSERT_TRUE(QFile::copy(install->file(QStringLiteral("media/null.avi")),
                            install->file(QStringLiteral("media/videos/3.avi"))));
    walk(&f.form, "start");
    QTest::mouseClick(f.Image_Mosaic[3], Qt::LeftButton);
    walk(&f.form, "lesson chosen");

    f.Button_Inditas_Eloadas->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    EXPECT_EQ(focus(), f.Button_Eloadas_LejatszasSzunet) << "opened by a key, the lecture opens on its play button";
    walk(&f.form, "lecture");
    key(Qt::Key_Escape);

    QTest::mouseClick(f.Button_Inditas_Gyakorlat, Qt::LeftButton);
    key(Qt::Key_2);
    walk(&f.form, "practice");
    finishRun(f);
    walk(&f.form, "practice results");
    key(Qt::Key_Escape);

    QTest::mouseClick(f.Button_Inditas_Teszt, Qt::LeftButton);
    walk(&f.form, "test");
    key(Qt::Key_Escape);

    QTest::mouseClick(f.Button_Szomutato, Qt::LeftButton);
    key(Qt::Key_Down);
    walk(&f.form, "word index");
    key(Qt::Key_Escape);

    QTest::mouseClick(f.Button_Jatek, Qt::LeftButton);
    key(Qt::Key_Space);
    walk(&f.form, "pairs game");
    key(Qt::Key_Escape);

    TForm_About about;
    f.form.setAboutWindow(&about);
    key(Qt::Key_I, Qt::ControlModifier);
    ASSERT_TRUE(about.isVisible());
    walk(&about, "About window");

    std::cout << "[ accessibility ] " << total << " interactive controls checked, " << faults.size()
              << " without a name or an action\n";
    EXPECT_EQ(faults.size(), 0) << faults.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(AccessibilityTest, NamesAndStatesSayWhatThePicturesColoursAndPlacesShow)
{
    FormView& f = startForKeys();
    // The word the tile's picture records, not the table's first word; the
    // vowel as a learner says it, its IPA in the description.
    EXPECT_EQ(nameOf(f.Image_Mosaic[5]), QStringLiteral("5. lecke, hosszú u, s5w2"));
    EXPECT_EQ(a11y(f.Image_Mosaic[5])->text(QAccessible::Description), QStringLiteral("IPA: uː"));
    EXPECT_EQ(labelOf(f.ComboBox_Nehezseg), QStringLiteral("Szint: Könnyű")) << "the list says its value";
    EXPECT_EQ(a11y(f.Image_Mosaic[5])->role(), QAccessible::Button);
    EXPECT_TRUE(a11y(f.Image_Mosaic[5])->state().checkable);
    EXPECT_FALSE(a11y(f.Image_Mosaic[5])->state().checked);
    EXPECT_EQ(labelOf(f.Edit_Szomutato_Szuro), QStringLiteral("Keresés:"));
    EXPECT_EQ(nameOf(f.ListBox_Szomutato), QStringLiteral("Találatok"));
    EXPECT_EQ(nameOf(f.Edit_Szomutato_Szuro), QStringLiteral("Keresés"));
    EXPECT_EQ(nameOf(f.BitBtn1), QStringLiteral("Névjegy"));

    // A screen reader's press chooses the lesson as a click does.
    a11y(f.Image_Mosaic[5])->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents();
    EXPECT_EQ(f.CurrentLesson, 5);
    EXPECT_TRUE(a11y(f.Image_Mosaic[5])->state().checked);
    EXPECT_FALSE(a11y(f.Image_Mosaic[1])->state().checked);

    // A test run: the answers by their words; after it, every word of the
    // table with the outcome its colour shows.
    QTest::mouseClick(f.Button_Inditas_Teszt, Qt::LeftButton);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(nameOf(f.AnswerLabels[i]), f.AnswerLabels[i]->text());
    int wrong = -1;
    for (int i = 0; i < 4 && wrong < 0; ++i)
        if (f.AnswerLabels[i]->text() != f.CorrectWord)
            wrong = i;
    const QString missed = f.CorrectWord;
    const QString wronglyChosen = f.AnswerLabels[wrong]->text();
    key(Qt::Key_1 + wrong);
    key(Qt::Key_Return);
    finishRun(f);
    QStringList row1, row2;
    for (int i = 0; i < 4; ++i) {
        row1 << nameOf(f.ResultLabels[1][i]);
        row2 << nameOf(f.ResultLabels[2][i]);
    }
    EXPECT_TRUE(row1.contains(missed + QStringLiteral(", kimaradt helyes válasz"))) << row1.join(u'|').toStdString();
    EXPECT_TRUE(row1.contains(wronglyChosen + QStringLiteral(", helytelen válasz"))) << row1.join(u'|').toStdString();
    EXPECT_EQ(row2.filter(QStringLiteral(", helyes válasz")).size(), 1) << row2.join(u'|').toStdString();
    EXPECT_EQ(row2.filter(QStringLiteral(", ")).size(), 1) << "the other words are plain";
    EXPECT_TRUE(a11y(f.AnswerLabels[0])->state().invisible) << "the table covers the answers";
    key(Qt::Key_Escape);

    // Practice: the speakers and "HU" buttons by their place's word.
    QTest::mouseClick(f.Button_Inditas_Gyakorlat, Qt::LeftButton);
    EXPECT_EQ(nameOf(f.Image_Sound), QStringLiteral("Meghallgatás: a lecke hangja, hosszú u"));
    EXPECT_FALSE(a11y(f.AnswerLabels[0])->state().invisible);
    const QString word = f.AnswerLabels[2]->text();
    EXPECT_EQ(nameOf(f.SpeakerImages[2]), QStringLiteral("Meghallgatás: ") + word);
    EXPECT_EQ(nameOf(f.MeaningButtons[2]), QStringLiteral("Jelentés: ") + word);
    key(Qt::Key_Escape);

    // The game's cards, face down and turned.
    QTest::mouseClick(f.Button_Jatek, Qt::LeftButton);
    EXPECT_EQ(nameOf(f.GameButtons[6]), QStringLiteral("Kártya 7, lefordítva"));
    tabTo(f.GameButtons[19]);
    key(Qt::Key_Space);
    EXPECT_EQ(nameOf(f.GameButtons[19]), QStringLiteral("Kártya 20: ") + f.GameWords[19]);
}
