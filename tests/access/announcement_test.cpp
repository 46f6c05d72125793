// What the window tells a screen reader when something changes that the
// focus does not show: one notification per handler, after it has ended,
// holding every text of it in order (Orca speaks a notification when it
// comes into view, and cuts off what it was saying for the next one).
#include "keyboard_fixture.h"

#include "ui/spoken_notice.h"

#include <QAccessible>
#include <QEvent>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// Every text the notice was shown with, as a screen reader reads it.
class HeardNotices : public QObject {
public:
    explicit HeardNotices(QWidget* form) : notice_(form->findChild<SpokenNotice*>())
    {
        EXPECT_NE(notice_, nullptr);
        if (notice_)
            notice_->installEventFilter(this);
    }
    QStringList take()
    {
        QCoreApplication::processEvents(); // a handler's texts are shown once it has ended
        return std::exchange(heard_, {});
    }
    QAccessible::Role role() const { return QAccessible::queryAccessibleInterface(notice_)->role(); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            heard_ << QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        return false;
    }

private:
    SpokenNotice* notice_;
    QStringList heard_;
};

} // namespace

TEST_F(KeyboardTest, VerdictsQuestionsAndTheLessonAreSaidOncePerKey)
{
    FormView& f = startForKeys();
    HeardNotices heard(&f.form);
    EXPECT_EQ(heard.role(), QAccessible::Notification);

    tabTo(f.Image_Mosaic[1]);
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    EXPECT_EQ(heard.take(), QStringList{"2. lecke kiválasztva."});

    tabTo(f.Button_Inditas_Gyakorlat, true);
    key(Qt::Key_Return);
    const auto words = [&] {
        QStringList w;
        for (Label* a : f.AnswerLabels)
            w << a->text();
        return w.join(QStringLiteral(", "));
    };
    const auto placeOf = [&](bool right) {
        for (int i = 0; i < 4; ++i)
            if ((f.AnswerLabels[i]->text() == f.CorrectWord) == right)
                return i;
        return -1;
    };
    EXPECT_EQ(heard.take(), QStringList{"Gyakorlat: 2. lecke. Jelölj meg egy választ, majd Tovább! "
                                        "Hátralévő kérdések száma: 9. 1. kérdés: " +
                                        words() + "."});

    // A wrong answer: its verdict alone, though the slide let events run.
    key(Qt::Key_1 + placeOf(false));
    const QString wrong = f.AnswerLabels[placeOf(false)]->text();
    heard.take();
    key(Qt::Key_Return);
    EXPECT_EQ(heard.take(),
              QStringList{"Nem. Ez egy helytelen válasz: " + wrong + ". Jelölj meg másik válaszlehetőséget!"});
    // A right one: the verdict, then the next question, in one notice.
    const QString right = f.CorrectWord;
    key(Qt::Key_1 + placeOf(true));
    heard.take();
    key(Qt::Key_Return);
    ASSERT_EQ(f.QuestionNo, 2);
    EXPECT_EQ(heard.take(), QStringList{"Igen. A helyes válasz ez volt: " + right +
                                        ". Hátralévő kérdések száma: 8. 2. kérdés: " + words() + "."});
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(KeyboardTest, TheWordIndexSaysHowManyWordsMatch)
{
    FormView& f = startForKeys();
    HeardNotices heard(&f.form);
    tabTo(f.Button_Szomutato);
    key(Qt::Key_Return);
    ASSERT_EQ(focus(), f.Edit_Szomutato_Szuro);
    QTest::keyClicks(focus(), QStringLiteral("s7w"));
    heard.take();
    key(Qt::Key_1);
    EXPECT_EQ(heard.take(), QStringList{QStringLiteral("%1 találat.").arg(f.ListBox_Szomutato->count())});
    key(Qt::Key_Q);
    EXPECT_EQ(heard.take(), QStringList{"nincs találat."});
}
