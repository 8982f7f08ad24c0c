#include "schema/food_order_store.h"

#include "schema/schema.h"

namespace schema {

namespace {

class FoodOrderStore final : public ado::StatementHooks {
public:
    std::vector<ado::EngineStatement> plan(const std::vector<ado::rewrite::SqlToken> &tokens,
                                           ado::SqlDialect dialect) const override
    {
        if (dialect != ado::SqlDialect::SQLite)
            return {};
        return foodorders::planStatement(tokens);
    }

    bool prepareEmbeddedFile(ado::EmbeddedFile &file) const override
    {
        if (foodorders::prepareFile(file))
            return true;
        foodorders::vacuumIfPending(file);
        return false;
    }
};

} // namespace

void InstallFoodOrderStore()
{
    static const FoodOrderStore store;
    ado::InstallStatementHooks(&store);
}

std::optional<QString> FoodOrderIdOfTable(const QString &table)
{
    const QString &prefix = FoodOrderTablePrefix;
    if (table.size() <= prefix.size() || !table.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    const QString id = table.mid(prefix.size());
    for (QChar c : id) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return id;
}

} // namespace schema
