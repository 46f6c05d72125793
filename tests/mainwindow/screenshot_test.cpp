#include "support/main_window_fixture.h"

using namespace ejteto::testing;

TEST_F(MainWindowTest, Screenshot)
{
    start();
    QImage g = grab();
    if (qEnvironmentVariableIsSet("EJTETO_SHOT"))
        g.save(qEnvironmentVariable("EJTETO_SHOT"));
    EXPECT_EQ(g.size(), QSize(761, 541));
}
