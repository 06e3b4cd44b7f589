#pragma once

#include "cards/rk/rk_model.h"
#include "support/card_steps.h"

using namespace Qt::Literals::StringLiterals;

// Shared steps of the RK tests: a card as "Новий" and "Відкрити..." leave it.
namespace rkTest {

// An RK card with a value in every field: two customers (one a natural person), both
// financing rows, two co-executors, two stages, the "other" direction and result,
// both languages of the bilingual texts and six subject codes.
inline QStringList fullCard()
{
    return QString::fromUtf8("5256\\1\n"
                             "5436\\0124U000777с\n"
                             "5418\\12/34\\01.02.24\n"
                             "5517\\0124U000001\n"
                             "2457\\1\\12345678\n"
                             "2151\\1\\Інститут кібернетики\n"
                             "2151\\3\\Institute of Cybernetics\n"
                             "2358\\ІК\n"
                             "2655\\Київ\\01001, Київ, вул. Хрещатик, 1\n"
                             "2934\\044-123-45-67\n"
                             "2394\\info@ic.ua\n"
                             "1332\\НАН України\n"
                             "1133\\АКД\n"
                             "2458\\1\\1\\11111111\\Львів\\Завод «Прилад»\\вул. Зелена, 2\\032-1\\a@b.ua\n"
                             "2458\\2\\2\\2222222222\\Одеса\\Петренко Петро\\вул. Морська, 7\\048-2\\p@ukr.net\n"
                             "FING\\2024\\2025\\2026\\2027\\2028\\2029\n"
                             "7713\\тис.грн.\\150,5\\10\\20\\30\\40\\50\\0,5\n"
                             "7722\\тис.грн.\\60\\10\\10\\10\\10\\10\\10\n"
                             "7353\\01.24\n"
                             "7362\\12.29\n"
                             "7146\\34\n"
                             "7191\\48\n"
                             "9153\\007\\методична документація\n"
                             "7210\\0124U000111\n"
                             "7209\\17\n"
                             "7021\\Ш-17\n"
                             "7700\\6541030\n"
                             "7201\\2.7\\Інший напрям\n"
                             "7023\\Програма розвитку\n"
                             "7022\\ДЦП-5\n"
                             "7199\\02\n"
                             "9155\\Освіта\n"
                             "9156\\Висновок експерта\n"
                             "9027\\1\\Методи керування\n"
                             "9027\\3\\Control methods\n"
                             "9126\\Мета роботи\n"
                             "2142\\1\\1\\44444444\\Дніпро\\КБ «Південне»\\вул. Криворізька, 3\n"
                             "2142\\2\\2\\5555555555\\Суми\\Іваненко Іван\\вул. Лісна, 4\n"
                             "9036\\1\\01.24\\12.24\\28\\Перший етап\n"
                             "9036\\2\\01.25\\12.29\\91\\Другий етап\n"
                             "5634\\004.8\n"
                             "5616\\27.41.15.00\n"
                             "5616\\28.23.15.00\n"
                             "5616\\50.43.29.00\n"
                             "5616\\20.53.00.00\n"
                             "5616\\14.35.07.00\n"
                             "5616\\12.00.00.00\n"
                             "6111\\Петров П.П.\n"
                             "6210\\д.т.н., проф.\n"
                             "6120\\1\\Коваленко К.К.\n"
                             "6120\\3\\Kovalenko K.K.\n"
                             "6228\\к.т.н.\n"
                             "6140\\Ковальчук О.О.\n"
                             "6141\\044-111-22-33, Ковальчук")
        .split(u'\n');
}

inline const CardKind &kind()
{
    return cardKind(CardType::RK);
}

inline std::unique_ptr<RkModel> freshModel()
{
    return cardSteps::freshModel<RkModel>(kind());
}

inline QByteArray save(RkModel &model)
{
    return cardSteps::save(kind(), model);
}

inline ReadResult open(RkModel &model, const QByteArray &bytes)
{
    return cardSteps::open(kind(), model, bytes);
}

inline std::unique_ptr<RkModel> opened(const QStringList &lines, ReadResult *result = nullptr)
{
    return cardSteps::opened<RkModel>(kind(), lines, result);
}

using cardSteps::linesOf;

// The name of entry n of the test lists.
inline QString entryName(int n)
{
    return u"Назва %1"_s.arg(n);
}

// Fills slots 1..count of a list as a card file fills them, each named entryName(n).
inline void fillList(RkModel &m, RkList list, int count)
{
    for (int n = 1; n <= count; ++n) {
        const QString number = QString::number(n);
        if (list == RkList::Stages) {
            const QString stage = number + u"\\01.24\\12.24\\91\\"_s + entryName(n);
            m.setRecord(list, n, stage, stage);
            continue;
        }
        // A customer also has a phone and an e-mail.
        const QString tail = u"\\12345678\\Київ\\"_s + entryName(n) + u"\\вул. Лісова"_s
                             + (list == RkList::Customers ? u"\\\\"_s : QString());
        m.setRecord(list, n, number + u"\\1"_s + tail, number + u"\\Юридична особа"_s + tail);
    }
}

} // namespace rkTest
