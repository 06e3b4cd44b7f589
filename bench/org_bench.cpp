// The directory's offer under a code field: the last digit typed until the popup shows,
// with 10,000 organisations stored.
#include "fields/data_places.h"
#include "bench_registry.h"

#include "app/card_editor.h"
#include "cards/card_editors.h"
#include "fields/card_document.h"
#include "orgs/org_assist.h"
#include "orgs/org_store.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kStored = 10000;

void key(QWidget *target, int code, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void popupLookup(benchmark::State &state)
{
    QTemporaryDir dir;
    DataPlaces places = DataPlaces::current();
    places.organisationsFile = dir.filePath(u"organisations.sqlite"_s);
    const DataPlaces old = DataPlaces::use(places);
    {
        OrgStore store;
        QList<Organisation> orgs;
        for (int i = 0; i < kStored; ++i) {
            Organisation o;
            o.kind = u"1"_s;
            o.code = u"%1"_s.arg(10000000 + i * 7919 % 90000000, 8, 10, QLatin1Char('0'));
            o.fullName = u"Науково-дослідний інститут № %1"_s.arg(i);
            o.city = u"Київ"_s;
            o.address = u"вул. Наукова, %1"_s.arg(i);
            orgs << o;
        }
        store.remember(orgs);
    }
    const QString code = u"%1"_s.arg(10000000 + 5000 * 7919 % 90000000, 8, 10, QLatin1Char('0'));
    std::unique_ptr<CardEditor> editor(createCardEditor(CardType::RK, nullptr));
    editor->show();
    editor->activateWindow();
    if (!QTest::qWaitForWindowActive(editor.get()))
        state.SkipWithError("no window");
    editor->pageControl()->setCurrentIndex(1);
    QWidget *field = editor->findChild<QWidget *>(u"ed2457"_s);
    field->setFocus();
    QApplication::processEvents();
    for (const QChar ch : code.left(7))
        key(field, 0, QString(ch));
    OrgAssist *assist = OrgAssist::of(editor.get());
    for (auto _ : state) {
        key(field, 0, code.right(1));
        if (!assist->offeredFor())
            state.SkipWithError("no offer");
        state.PauseTiming();
        key(field, Qt::Key_Backspace, QString());
        state.ResumeTiming();
    }
    editor->document().setModified(false);
    editor->close();
    DataPlaces::use(old);
}

} // namespace

void registerOrgBenchmarks()
{
    addBenchmark("organisation popup, 10000 stored/rk", popupLookup);
}
