#include "fuzz_support.h"

#include "fields/platform.h"

#include <QGuiApplication>

#include <iterator>
#include <utility>

namespace {

// Messages and previews are dropped; questions are cancelled and no file is chosen.
class SilentPlatform : public Platform
{
public:
    void message(const QString &) override {}
    Answer question(const QString &, const QString &) override { return Answer::Cancel; }
    Answer confirm(const QString &, const QString &) override { return Answer::Cancel; }
    QString chooseOpenFile(const FileChoice &) override { return {}; }
    QString chooseSaveFile(const FileChoice &) override { return {}; }
    void ioError(const QString &) override {}
    void beep() override {}
    void showPreview(const QList<const PageLayout *> &pages, const QString &) override { m_previews.append(pages); }

    QList<QList<const PageLayout *>> m_previews;
};

SilentPlatform &silentPlatform()
{
    static SilentPlatform platform;
    return platform;
}

} // namespace

QList<QList<const PageLayout *>> takePreviews()
{
    return std::exchange(silentPlatform().m_previews, {});
}

void initFuzzing()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    Platform::install(&silentPlatform());
}

QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

CardType fuzzCardType(const QByteArray &bytes)
{
    static constexpr CardType types[] = {CardType::RK, CardType::OK, CardType::IK, CardType::OKD};
    return types[bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes.front()) % std::size(types)];
}
