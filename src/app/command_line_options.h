#pragma once
// The command line's options: their names, values and help, in the order the help lists them.
#include <string_view>

#include "base/translator.h"

struct Option {
    const char* name;
    SourceText value; // kSwitch for a switch
    bool repeatable;
    SourceText help;
    bool is_switch() const { return value.text == nullptr; }
};
inline constexpr SourceText kSwitch{"CommandLine", nullptr};

// Options of the command line, in the order the help lists them.
inline constexpr Option kOptions[] = {
    {"q1", CF_TEXT("CommandLine", "нКл"), false,
     CF_TEXT("CommandLine", "заряд слева, в точке x = -0.5 м: от -1 до 1 с шагом 0.05 (0.4)")},
    {"q2", CF_TEXT("CommandLine", "нКл"), false,
     CF_TEXT("CommandLine", "заряд справа, в точке x = 0.5 м: от -1 до 1 с шагом 0.05 (-0.1)")},
    {"size", CF_TEXT("CommandLine", "м"), false,
     CF_TEXT("CommandLine", "половина ширины и высоты области: от 1 до 7 с шагом 0.5 (4)")},
    {"lines", CF_TEXT("CommandLine", "вид"), false,
     CF_TEXT("CommandLine", "какие линии рисовать: potential, field или all (all)")},
    {"n-fi", CF_TEXT("CommandLine", "число"), false,
     CF_TEXT("CommandLine", "число линий потенциала: целое от 1 до 32767 (11)")},
    {"n-e", CF_TEXT("CommandLine", "число"), false,
     CF_TEXT("CommandLine", "число линий напряжённости: целое от 1 до 32767 (6)")},
    {"zero-potential", kSwitch, false,
     CF_TEXT("CommandLine", "нарисовать линию нулевого потенциала")},
    {"zero-field", kSwitch, false,
     CF_TEXT("CommandLine", "отметить точку нулевой напряжённости и её эквипотенциаль")},
    {"field-direction", kSwitch, false,
     CF_TEXT("CommandLine", "нарисовать линии вертикального и горизонтального поля")},
    {"phi", CF_TEXT("CommandLine", "В"), true,
     CF_TEXT("CommandLine", "нарисовать эквипотенциаль этого потенциала (можно несколько раз)")},
    {"potential-map", kSwitch, false,
     CF_TEXT("CommandLine", "показать карту потенциала с её шкалой")},
    {"arrows", kSwitch, false, CF_TEXT("CommandLine", "показать стрелки поля")},
    {"flux-lines", kSwitch, false,
     CF_TEXT("CommandLine", "линии поля равного потока вместо линий напряжённости")},
    {"exact-equipotentials", kSwitch, false,
     CF_TEXT("CommandLine", "точные эквипотенциали круглых уровней с подписями вместо точек")},
    {"charge-marks", kSwitch, false,
     CF_TEXT("CommandLine", "заряды со знаками, линии поля со стрелками направления")},
    {"pixels", SourceText{"CommandLine", "N"}, false,
     CF_TEXT("CommandLine", "размер рисунка в пикселях (544, как в только что открытом окне)")},
    {"export", CF_TEXT("CommandLine", "файл"), true,
     CF_TEXT("CommandLine", "сохранить рисунок в файл .png, .svg или .pdf (можно несколько раз)")},
    {"profile", CF_TEXT("CommandLine", "вид"), false,
     CF_TEXT("CommandLine", "график для --export-csv: fi-x, fi-y, ex-x, ey-x, ex-y или ey-y")},
    {"yfix", CF_TEXT("CommandLine", "м"), false,
     CF_TEXT("CommandLine", "Y фиксированное для fi-x, ex-x, ey-x (0.1)")},
    {"xfix", CF_TEXT("CommandLine", "м"), false,
     CF_TEXT("CommandLine", "X фиксированное для fi-y, ex-y, ey-y (0.75)")},
    {"export-csv", CF_TEXT("CommandLine", "файл"), false,
     CF_TEXT("CommandLine",
             "сохранить данные графика --profile в файл CSV (- — на стандартный вывод)")},
    {"language", SourceText{"CommandLine", "ru|en"}, false,
     CF_TEXT("CommandLine", "язык сообщений и текстов рисунка: ru (русский) или en (английский)")},
};

inline const Option* find_option(std::string_view name) {
    for (const Option& o : kOptions) {
        if (name == o.name) {
            return &o;
        }
    }
    return nullptr;
}
