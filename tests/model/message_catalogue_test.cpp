#include <gtest/gtest.h>

#include "model/message_catalogue.h"
#include "support/scripted_presenter.h"

using namespace nastrum;

TEST(MessageCatalogue, HoldsEveryNumberedMessage) {
  const std::vector<int> expected = {1,  2,  3,  4,  6,  7,  8,  11, 15, 16, 18, 19, 20, 21, 24, 25,
                                     26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41,
                                     42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 57, 58,
                                     59, 60, 61, 62, 63, 64, 65, 66, 67, 69, 70, 71, 72, 73, 74};
  EXPECT_EQ(catalogueCodes(), expected);
  for (int code : expected) {
    const MessageBoxSpec box = catalogueMessage(code);
    EXPECT_EQ(box.code, code);
    EXPECT_FALSE(box.caption.isEmpty()) << code;
    EXPECT_FALSE(box.text.isEmpty()) << code;
  }
}

TEST(MessageCatalogue, CaptionsIconsButtonsAndTextsAsWritten) {
  struct Case {
    int code;
    const char* value;
    const char* caption;
    MessageIcon icon;
    MessageButtons buttons;
    const char* text;
  };
  const Case cases[] = {
      {2, "D:\\DATA\\PLANT.BFM", "Ошибка открытия файла данных", MessageIcon::Stop, MessageButtons::Ok,
       "Убедитесь, что файл есть или не занят другим приложением, и соответствует формату данных! "
       "(D:\\DATA\\PLANT.BFM)"},
      {3, "", "Предупреждение о сохранение данных", MessageIcon::Question, MessageButtons::YesNo,
       "Файл с таким именем уже есть, продолжить?"},
      {4, "", "Предупреждение о сохранение данных", MessageIcon::Question, MessageButtons::YesNoCancel,
       "Вы уже используете файл настроек, сохранить его?"},
      {7, "", "Ошибка ввода", MessageIcon::Information, MessageButtons::Ok, "В поле должно быть число!"},
      {16, "", "Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo,
       "Вы уверены, что хотите выйти из программы?"},
      {20, "3", "Предупреждение", MessageIcon::Warning, MessageButtons::Ok,
       "Трубопровод №3 нельзя сделать условно основным до тех пор, пока он является условно связанным"},
      {29, "5", "Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo,
       "Данный датчик используется в трубопроводе № 5 , при продолжении ссылка на датчик удалится, продолжить?"},
      {35, "2", "Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo,
       "На данный трубопровод имеется ссылка в трупроводе № 2 , при продолжении ссылки на него удалятся, продолжить?"},
      {44, "26", "Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok,
       "Данный архив нельзя создать, так уже имеется расширенный часовой архив  № 26 ."},
      {46, "7", "Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo,
       "В датчике № 7 имеется ссылка на данный датчик, при продолжении ссылка на него будет удалена, продолжить?"},
      {49, "", "Ошибка выбора", MessageIcon::Warning, MessageButtons::Ok,
       "Разность двух одинаковых датчиков не допустима, будьте внимательны"},
      {62, "", "Ошибка записи файла", MessageIcon::Stop, MessageButtons::Ok,
       "Убедитесь, что файл Отчета (Report.txt) не занят другим приложением!"},
      {69, "", "Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok,
       "Трубопровод с измеряемой средой \"Электроэнергия\" в качестве датчика расхода может использовать только "
       "числоимпульсный датчик"},
      {72, "", "Предупреждение об очистки имен", MessageIcon::Question, MessageButtons::YesNo,
       "Очистка имен архивов. При нажатии на кнопку \"Да (OK)\" имена архива очистятся. При нажатии на кнопку "
       "\"Нет  (NO)\" возврат режим настройки."},
      {74, "", "Наструм - ОРВИК 9", MessageIcon::Warning, MessageButtons::Ok,
       "Параметры рабочего стола должны задаваться подряд без пропусков."},
  };
  for (const Case& c : cases) {
    const MessageBoxSpec box = catalogueMessage(c.code, QString::fromUtf8(c.value));
    EXPECT_EQ(box.caption, QString::fromUtf8(c.caption)) << c.code;
    EXPECT_EQ(box.icon, c.icon) << c.code;
    EXPECT_EQ(box.buttons, c.buttons) << c.code;
    EXPECT_EQ(box.text, QString::fromUtf8(c.text)) << c.code;
  }
}

TEST(MessageCatalogue, ValueGoesOnlyWhereTheTextTakesOne) {
  EXPECT_TRUE(catalogueTextTakesValue(2));
  EXPECT_FALSE(catalogueTextTakesValue(7));
  EXPECT_EQ(catalogueMessage(7, QStringLiteral("ignored")).text, QStringLiteral("В поле должно быть число!"));
  EXPECT_FALSE(isCatalogueCode(5));
  const MessageBoxSpec unknown = catalogueMessage(5, QStringLiteral("x"));
  EXPECT_EQ(unknown.code, 5);
  EXPECT_EQ(unknown.buttons, MessageButtons::Ok);
  EXPECT_FALSE(unknown.text.isEmpty());
}

TEST(ShowMessageCode, ReturnsTheButtonPressed) {
  ScriptedPresenter boxes{AnswerCancel, AnswerYes};
  EXPECT_EQ(ShowMessageCode(boxes, 11), AnswerCancel);
  EXPECT_EQ(ShowMessageCode(boxes, 3), AnswerYes);
  EXPECT_EQ(boxes.codes(), (std::vector<int>{11, 3}));
  EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("В файл внесены изменения, перед закрытием сохранить?"));
  EXPECT_TRUE(boxes.allAnswered());
}

TEST(AskYesNo, AsksUnderTheProgramsCaptionAndTakesOnlyYes) {
  ScriptedPresenter boxes{AnswerYes, AnswerNo};
  EXPECT_TRUE(AskYesNo(boxes, QStringLiteral("Продолжить?")));
  EXPECT_FALSE(AskYesNo(boxes, QStringLiteral("Продолжить?")));
  const MessageBoxSpec& box = boxes.shown()[0];
  EXPECT_EQ(box.code, 0);
  EXPECT_EQ(box.caption, QStringLiteral("Наструм - ОРВИК"));
  EXPECT_EQ(box.text, QStringLiteral("Продолжить?"));
  EXPECT_EQ(box.icon, MessageIcon::Question);
  EXPECT_EQ(box.buttons, MessageButtons::YesNo);
  EXPECT_TRUE(boxes.allAnswered());
}

TEST(ScriptedPresenter, CanLetOkBoxesPassUnscripted) {
  ScriptedPresenter boxes{AnswerNo};
  boxes.acknowledgeOkBoxes();
  EXPECT_EQ(ShowMessageCode(boxes, 7), AnswerOk);
  EXPECT_EQ(ShowMessageCode(boxes, 16), AnswerNo);
  EXPECT_EQ(boxes.codes(), (std::vector<int>{7, 16}));
  EXPECT_TRUE(boxes.allAnswered());
}
