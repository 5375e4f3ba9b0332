#include "model/message_catalogue.h"

#include <iterator>

namespace nastrum {

namespace {

struct CatalogueEntry {
  int code;
  const char16_t* caption;
  MessageIcon icon;
  MessageButtons buttons;
  const char16_t* text;       // the whole text, or the part before the value
  const char16_t* afterValue;  // the part after the value; null when the text takes none
};

// Texts are the program's own and are shown exactly as written here.
constexpr CatalogueEntry kCatalogue[] = {
    {1, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 63!", nullptr},
    {2, u"Ошибка открытия файла данных", MessageIcon::Stop, MessageButtons::Ok, u"Убедитесь, что файл есть или не занят другим приложением, и соответствует формату данных! (", u")"},
    {3, u"Предупреждение о сохранение данных", MessageIcon::Question, MessageButtons::YesNo, u"Файл с таким именем уже есть, продолжить?", nullptr},
    {4, u"Предупреждение о сохранение данных", MessageIcon::Question, MessageButtons::YesNoCancel, u"Вы уже используете файл настроек, сохранить его?", nullptr},
    {6, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNoCancel, u"В файл настроек внесены изменения, перед чтением настроек с ОРВИК сохранить его?", nullptr},
    {7, u"Ошибка ввода", MessageIcon::Information, MessageButtons::Ok, u"В поле должно быть число!", nullptr},
    {8, u"Ошибка ввода", MessageIcon::Information, MessageButtons::Ok, u"В поле должно быть положительное число!", nullptr},
    {11, u"Предупреждение о сохранение данных", MessageIcon::Question, MessageButtons::YesNoCancel, u"В файл внесены изменения, перед закрытием сохранить?", nullptr},
    {15, u"Ошибка ввода", MessageIcon::Information, MessageButtons::Ok, u"В поле должно быть число от 0 до 15!", nullptr},
    {16, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Вы уверены, что хотите выйти из программы?", nullptr},
    {18, u"Предупреждение", MessageIcon::Warning, MessageButtons::Ok, u"В данный момент нельзя измерить температуру по давлению, так как давление уже измеряется по температуре!", nullptr},
    {19, u"Предупреждение", MessageIcon::Warning, MessageButtons::Ok, u"В данный момент нельзя измерить давление по температуре, так как температура уже измеряется по давлению!", nullptr},
    {20, u"Предупреждение", MessageIcon::Warning, MessageButtons::Ok, u"Трубопровод №", u" нельзя сделать условно основным до тех пор, пока он является условно связанным"},
    {21, u"Предупреждение", MessageIcon::Warning, MessageButtons::Ok, u"Данный трубопровод нельзя сделать условно связанным так как он либо не трубопровод воды и пара либо является условно основным", nullptr},
    {24, u"Ошибка ввода", MessageIcon::Information, MessageButtons::Ok, u"Константа относительной влажности газа должна быть указана в процентах (от 0 до 100%).", nullptr},
    {25, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 31!", nullptr},
    {26, u"Наструм - ОРВИК", MessageIcon::Warning, MessageButtons::Ok, u"Выбранный архив не может иметь еще одно продолжение, т.к. уже имеет 7 продолжений.", nullptr},
    {27, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 63!", nullptr},
    {28, u"Наструм - ОРВИК", MessageIcon::Warning, MessageButtons::Ok, u"Выбранный архив не может иметь продолжение, т.к. уже имеет продолжение.", nullptr},
    {29, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Данный датчик используется в трубопроводе № ", u" , при продолжении ссылка на датчик удалится, продолжить?"},
    {30, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Данный трубопровод используется в часовом архиве № ", u" , при продолжении архив удалится, а так же все сцепленные с ним архивы, продолжить?"},
    {31, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Данный трубопровод используется в суточном архиве № ", u" , при продолжении архив удалится, а так же все сцепленные с ним архивы, продолжить?"},
    {32, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"На данный трубопровод имеется ссылка в трубопроводе № ", u" , при продолжении ссылки на него удалятся, продолжить?"},
    {33, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Данный датчик используется в часовом архиве № ", u" , при продолжении удалится архив, а так же все сцепленные с ним архивы, продолжить?"},
    {34, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Данный датчик используется в суточном архиве № ", u" , при продолжении архив удалится, а так же все сцепленные с ним архивы, продолжить?"},
    {35, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"На данный трубопровод имеется ссылка в трупроводе № ", u" , при продолжении ссылки на него удалятся, продолжить?"},
    {36, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Данный датчик используется в месячном архиве № ", u" , при продолжении архив удалится, продолжить?"},
    {37, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Данный трубопровод используется в месячном архиве № ", u" , при продолжении архив удалится, продолжить?"},
    {38, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Данный архив является головным для архива № ", u" , при продолжении все сцепленные с ним архивы удалятся, продолжить?"},
    {39, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 62!", nullptr},
    {40, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 12!", nullptr},
    {41, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Данный датчик используется в расширенном архиве интервалов № ", u" , при продолжении архив удалится, а так же все сцепленные с ним архивы, продолжить?"},
    {42, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"Данный трубопровод используется в расширенном архиве интервалов № ", u" , при продолжении архив удалится, а так же все сцепленные с ним архивы, продолжить?"},
    {43, u"Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok, u"Данный архив нельзя сделать расширенным, так как уже имеется расширенный архив интервалов № ", u" ."},
    {44, u"Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok, u"Данный архив нельзя создать, так уже имеется расширенный часовой архив  № ", u" ."},
    {45, u"Наструм - ОРВИК", MessageIcon::Warning, MessageButtons::Ok, u"У вас нет датчиков температуры, создайте их.", nullptr},
    {46, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"В датчике № ", u" имеется ссылка на данный датчик, при продолжении ссылка на него будет удалена, продолжить?"},
    {47, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 15!", nullptr},
    {48, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 63!", nullptr},
    {49, u"Ошибка выбора", MessageIcon::Warning, MessageButtons::Ok, u"Разность двух одинаковых датчиков не допустима, будьте внимательны", nullptr},
    {50, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"В часовом архиве № ", u" имеется ссылка на данный трубопровод, при продолжении ссылка на него будет удалена, продолжить?"},
    {51, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"В суточном архиве № ", u" имеется ссылка на данный трубопровод, при продолжении ссылка на него будет удалена, продолжить?"},
    {52, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"В месячном архиве № ", u" имеется ссылка на данный трубопровод, при продолжении ссылка на него будет удалена, продолжить?"},
    {53, u"Наструм - ОРВИК", MessageIcon::Question, MessageButtons::YesNo, u"В расширенном архиве интервалов № ", u" имеется ссылка на данный трубопровод, при продолжении ссылка на него будет удалена, продолжить?"},
    {54, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 127!", nullptr},
    {55, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 7!", nullptr},
    {57, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 254!", nullptr},
    {58, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 0.9999!", nullptr},
    {59, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0.0 до 1.0!", nullptr},
    {60, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 100!", nullptr},
    {61, u"Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok, u"Нельзя создать архив продолжения, так как нет ни одного головного архива.", nullptr},
    {62, u"Ошибка записи файла", MessageIcon::Stop, MessageButtons::Ok, u"Убедитесь, что файл Отчета (Report.txt) не занят другим приложением!", nullptr},
    {63, u"Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok, u"Данный архив нельзя сделать расширенным, так как уже описан архив событий.", nullptr},
    {64, u"Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok, u"Данный архив нельзя создать, так как уже описан архив событий.", nullptr},
    {65, u"Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok, u"Нельзя создать архив событий, так как уже описан расширенный часовой архив №26,27", nullptr},
    {66, u"Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok, u"Нельзя создать архив событий, так как уже описан архив интервалов №12.", nullptr},
    {67, u"Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok, u"Запись в ОРВИК не возможна. В настройках имеются ошибки, сделайте проверку настроек и исправьте ошибки.", nullptr},
    {69, u"Наструм - ОРВИК", MessageIcon::Information, MessageButtons::Ok, u"Трубопровод с измеряемой средой \"Электроэнергия\" в качестве датчика расхода может использовать только числоимпульсный датчик", nullptr},
    {70, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 63!", nullptr},
    {71, u"Ошибка ввода", MessageIcon::Warning, MessageButtons::Ok, u"В поле должно быть число от 0 до 15!", nullptr},
    {72, u"Предупреждение об очистки имен", MessageIcon::Question, MessageButtons::YesNo, u"Очистка имен архивов. При нажатии на кнопку \"Да (OK)\" имена архива очистятся. При нажатии на кнопку \"Нет  (NO)\" возврат режим настройки.", nullptr},
    {73, u"Предупреждение о замене имен", MessageIcon::Question, MessageButtons::YesNo, u"В текущем архиве уже заведены имена. При нажатии на кнопку \"Да (OK)\" имена архива заменятся. При нажатии на кнопку \"Нет (NO)\" возврат режим настройки.", nullptr},
    {74, u"Наструм - ОРВИК 9", MessageIcon::Warning, MessageButtons::Ok, u"Параметры рабочего стола должны задаваться подряд без пропусков.", nullptr},
};

const CatalogueEntry* findEntry(int code) {
  for (const CatalogueEntry& entry : kCatalogue)
    if (entry.code == code) return &entry;
  return nullptr;
}

}  // namespace

bool isCatalogueCode(int code) { return findEntry(code) != nullptr; }

std::vector<int> catalogueCodes() {
  std::vector<int> codes;
  codes.reserve(std::size(kCatalogue));
  for (const CatalogueEntry& entry : kCatalogue) codes.push_back(entry.code);
  return codes;
}

bool catalogueTextTakesValue(int code) {
  const CatalogueEntry* entry = findEntry(code);
  return entry != nullptr && entry->afterValue != nullptr;
}

MessageBoxSpec catalogueMessage(int code, const QString& value) {
  MessageBoxSpec box;
  box.code = code;
  const CatalogueEntry* entry = findEntry(code);
  if (entry == nullptr) {
    // A code outside the catalogue is a programming error; still say something
    // rather than show an empty box.
    box.caption = programCaption();
    box.text = QStringLiteral("Сообщение %1").arg(code);
    if (!value.isEmpty()) box.text += QStringLiteral(": ") + value;
    return box;
  }
  box.caption = QString::fromUtf16(entry->caption);
  box.icon = entry->icon;
  box.buttons = entry->buttons;
  box.text = QString::fromUtf16(entry->text);
  if (entry->afterValue != nullptr) box.text += value + QString::fromUtf16(entry->afterValue);
  return box;
}

int ShowMessageCode(MessagePresenter& presenter, int code, const QString& value) {
  return presenter.present(catalogueMessage(code, value));
}

QString programCaption() { return QStringLiteral("Наструм - ОРВИК"); }

MessageBoxSpec programMessage(const QString& text, MessageIcon icon, MessageButtons buttons) {
  return {0, programCaption(), text, icon, buttons};
}

bool AskYesNo(MessagePresenter& presenter, const QString& text) {
  return presenter.present(programMessage(text, MessageIcon::Question, MessageButtons::YesNo)) == AnswerYes;
}

}  // namespace nastrum
