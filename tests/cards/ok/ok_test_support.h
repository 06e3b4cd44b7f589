#pragma once

#include "cards/ok/ok_model.h"
#include "support/card_steps.h"

// Shared steps of the OK tests: a card as "Новий" and "Відкрити..." leave it.
namespace okTest {

inline const CardKind &kind()
{
    return cardKind(CardType::OK);
}

inline std::unique_ptr<OkModel> freshModel()
{
    return cardSteps::freshModel<OkModel>(kind());
}

inline QStringList lines(OkModel &model)
{
    return kind().Mtext(model);
}

inline std::unique_ptr<OkModel> opened(const QStringList &lines, ReadResult *result = nullptr)
{
    return cardSteps::opened<OkModel>(kind(), lines, result);
}

// A card with every field: a legal-person executor, three owners (one a natural
// person), three co-executors, three persons of the executor list, two stage numbers,
// both financing lines and six subject codes; in the card's own order.
inline QStringList fullCard()
{
    return QString::fromUtf8(
               "5256\\1\n"
               "5418\\12/34\\01.02.24\n"
               "5436\\0124U000777с\n"
               "5437\\0224U000123с\n"
               "7022\\ДЦП-5\n"
               "2457\\1\\12345678\n"
               "2151\\1\\Інститут технічної кібернетики\n"
               "2151\\3\\Institute of Technical Cybernetics\n"
               "2358\\ІТК\n"
               "2655\\Київ\\01001, Київ, вул. Хрещатик, 1\n"
               "2934\\044-123-45-67\n"
               "2394\\info@itk.ua\n"
               "1332\\МОН України\n"
               "1133\\ВУЗ\n"
               "2459\\1\\1\\11111111\\Львів\\Завод «Прилад»\\вул. Зелена, 2\\032-1\\a@b.ua\\Прилад\\Мінпром\\\\  .  .  \n"
               "2459\\2\\2\\2222222222\\Одеса\\Петренко Петро\\вул. Морська, 7\\\\\\\\\\Свідоцтво 5\\01.03.24\n"
               "2459\\3\\1\\33333333\\Харків\\Фонд\\пр. Науки, 9\\057-3\\\\Фонд\\\\\\  .  .  \n"
               "9036\\2 \\01.24\\12.24\\З\\Розроблення методів\n"
               "7700\\6541030\n"
               "7201\\2.7\\Інший напрям\n"
               "7023\\Програма розвитку\n"
               "7022\\ДЦП-5\n"
               "7713\\тис.грн.\\150,5\n"
               "7715\\дол.\\10\n"
               "5526\\0124U000001 ;0124U000002с;\n"
               "9027\\1\\Методи керування\n"
               "9027\\3\\Control methods\n"
               "9117\\1\\Реферат роботи\n"
               "9117\\3\\Abstract of the work\n"
               "5481\\Бібліографічний опис\n"
               "5040\\91\n"
               "5715\\720\n"
               "5742\\120   \n"
               "5743\\2\n"
               "5744\\15\n"
               "2142\\1\\1\\44444444\\Дніпро\\КБ «Південне»\\вул. Криворізька, 3\n"
               "2142\\2\\2\\5555555555\\Суми\\Іваненко Іван\\вул. Лісна, 4\n"
               "2142\\3\\1\\66666666\\Полтава\\Завод\\вул. Нова, 1\n"
               "5535\\53\n"
               "5211\\63\n"
               "6140\\Ковальчук О.О.\n"
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
               "6121\\1\\Коваленко К.К.\\зав. від.\\к.т.н.\n"
               "6121\\2\\Сидоренко С.С.\\с.н.с.\\\n"
               "6121\\3\\Мельник М.М.\\м.н.с.\\\n"
               "6141\\044-111-22-33, Ковальчук")
        .split(QLatin1Char('\n'));
}

using cardSteps::linesOf;

} // namespace okTest
