// The hooks through which a program adds its own statements to the data layer: a statement the
// hooks plan runs as planned (its checks fail with the engine's own words, its upkeep is all or
// nothing with it), any other is translated as usual, and the opening step runs on every
// embedded file as it opens, the file opened again when the step changed its schema. Without
// hooks the layer knows none of it.
#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "ado/statement_hooks.h"
#include "support/expect_error.h"
#include "support/scratch_database.h"
#include "vb/conversions.h"

#include <QTest>

namespace {

using ado::EngineStatement;
using Role = EngineStatement::Role;

// A program whose statements name a table "squares" that is no table: its rows are the squares
// of the numbers in "marks", which the opening step makes in every file.
class SquaresHooks final : public ado::StatementHooks {
public:
    std::vector<EngineStatement> plan(const std::vector<ado::rewrite::SqlToken> &tokens,
                                      ado::SqlDialect dialect) const override
    {
        bool names = false;
        for (const auto &token : tokens)
            names = names || ((token.kind == ado::rewrite::SqlToken::Word || token.kind == ado::rewrite::SqlToken::Bracket) &&
                              token.text == QLatin1String("squares"));
        if (!names || dialect != ado::SqlDialect::SQLite)
            return {};
        const auto first = ado::rewrite::skipSpace(tokens.cbegin(), tokens.cend());
        const EngineStatement check{QStringLiteral("SELECT %1(EXISTS (SELECT 1 FROM sqlite_master WHERE name = 'marks'), "
                                                   "'no such table: squares')")
                                        .arg(ado::RequireFunction),
                                    Role::Check};
        if (first->isWord("DELETE"))   // the upkeep fails: nothing of the statement may stay
            return {check, {QStringLiteral("DELETE FROM marks")}, {QStringLiteral("INSERT INTO nowhere VALUES (1)"), Role::Upkeep}};
        return {check, {QStringLiteral("SELECT n * n AS square FROM marks ORDER BY n")}};
    }

    bool prepareEmbeddedFile(ado::EmbeddedFile &file) const override
    {
        ++preparations;
        if (file.number(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'marks'")) == 1)
            return false;
        return file.exec(QStringLiteral("CREATE TABLE marks (n INTEGER); INSERT INTO marks VALUES (1), (2), (3)"));
    }

    mutable int preparations = 0;
};

} // namespace

class TestAdoHooks : public QObject {
    Q_OBJECT

    SquaresHooks hooks_;

private slots:
    void init() { hooks_.preparations = 0; }
    void cleanup() { ado::InstallStatementHooks(nullptr); }

    // The first open makes "marks" and opens the file again; later opens find it.
    void openingStepRunsOnEveryOpen()
    {
        const QString text = testsupport::makeScratchAccessDatabase(QString(), false);
        ado::InstallStatementHooks(&hooks_);
        {
            ado::Connection conn;
            conn.Open(text);
            QCOMPARE(hooks_.preparations, 2);
            QCOMPARE(ado::ColumnTexts(conn, QStringLiteral("SELECT count(*) FROM marks")), QStringList{QStringLiteral("3")});
        }
        ado::Connection again;
        again.Open(text);
        QCOMPARE(hooks_.preparations, 3);
    }

    void plannedAndTranslatedStatements_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("planned by the hooks") << "SELECT * FROM [squares]" << QStringList{"1", "4", "9"};
        QTest::newRow("left to the translation") << "SELECT [n] FROM marks WHERE n > 1" << QStringList{"2", "3"};
    }
    void plannedAndTranslatedStatements()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, rows);
        const QString text = testsupport::makeScratchAccessDatabase(QString(), false);
        ado::InstallStatementHooks(&hooks_);
        ado::Connection conn;
        conn.Open(text);
        QCOMPARE(ado::ColumnTexts(conn, sql), rows);
    }

    // A check of the plan fails with the engine's own error; an upkeep step that fails takes the
    // main statement back with it, inside a transaction or not.
    void checksAndUpkeep_data()
    {
        QTest::addColumn<bool>("inTransaction");
        QTest::newRow("alone") << false;
        QTest::newRow("in a transaction") << true;
    }
    void checksAndUpkeep()
    {
        QFETCH(bool, inTransaction);
        const QString text = testsupport::makeScratchAccessDatabase(QString(), false);
        ado::InstallStatementHooks(&hooks_);
        ado::Connection conn;
        conn.Open(text);
        if (inTransaction)
            conn.BeginTrans();
        HOTEL_EXPECT_ERROR(conn.Execute(QStringLiteral("DELETE FROM squares")), ado::E_NO_TABLE);   // "nowhere"
        QCOMPARE(ado::ColumnTexts(conn, QStringLiteral("SELECT count(*) FROM marks")), QStringList{QStringLiteral("3")});
        conn.Execute(QStringLiteral("DROP TABLE marks"));
        HOTEL_EXPECT_ERROR(ado::ColumnTexts(conn, QStringLiteral("SELECT * FROM squares")), ado::E_NO_TABLE);
        if (inTransaction)
            conn.RollbackTrans();
    }

    // The layer alone knows no "squares" and makes nothing when a file opens.
    void withoutHooks()
    {
        const QString text = testsupport::makeScratchAccessDatabase(QString(), false);
        ado::InstallStatementHooks(nullptr);
        ado::Connection conn;
        conn.Open(text);
        HOTEL_EXPECT_ERROR(ado::ColumnTexts(conn, QStringLiteral("SELECT * FROM squares")), ado::E_NO_TABLE);
        HOTEL_EXPECT_ERROR(ado::ColumnTexts(conn, QStringLiteral("SELECT * FROM marks")), ado::E_NO_TABLE);
        QCOMPARE(hooks_.preparations, 0);
    }
};

QTEST_GUILESS_MAIN(TestAdoHooks)
#include "tst_ado_hooks.moc"
