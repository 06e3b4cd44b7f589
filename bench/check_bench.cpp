// "Перевірити картку" and `zorvat-card check`: every rule of a full card of each type.
#include "bench_registry.h"

#include "cardfile/card_reader.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"
#include "fields/card_problems.h"
#include "support/full_cards.h"

using namespace Qt::Literals::StringLiterals;

namespace {

void checkFullCard(benchmark::State &state, CardType type)
{
    const CardKind &kind = cardKind(type);
    auto model = kind.createModel();
    kind.clearModel(*model);
    auto interpreter = kind.interpreter(*model);
    readCardBytes(fullCards::bytes(type), *interpreter, u"full.txt"_s);
    kind.afterRead(*model);
    for (auto _ : state) {
        const QList<CardProblem> problems = cardProblems::check(kind, *model);
        if (!problems.isEmpty())
            state.SkipWithError("the full card is not clean");
        benchmark::DoNotOptimize(problems);
    }
}

} // namespace

void registerCheckBenchmarks()
{
    for (const CardType type : {CardType::RK, CardType::OK, CardType::IK, CardType::OKD})
        addBenchmark("whole-card check/" + cardKind(type).id().toStdString(),
                     [type](benchmark::State &state) { checkFullCard(state, type); });
}
