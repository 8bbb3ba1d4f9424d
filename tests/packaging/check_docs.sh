#!/usr/bin/env bash
# The help documents built beside the program: three PDFs with Russian text and a plain-text
# instruction that names every menu item, and the same four in English in en/.
set -euo pipefail
build=${1:?usage: check_docs.sh BUILD_DIR}
fail() { echo "FAIL: $*" >&2; exit 1; }
count_cyrillic() { { grep -oP '[\x{0400}-\x{04FF}]' || true; } | wc -l; }

check_pdf() { # file (en/... for an English one), a phrase that must be in its text
  local pdf=$build/$1
  [ -s "$pdf" ] || fail "$1 missing"
  local pages
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}') || fail "$1 is not a valid PDF"
  [ "${pages:-0}" -ge 1 ] || fail "$1 has no page"
  local text
  text=$(pdftotext -enc UTF-8 "$pdf" -)
  # Russian text: a good share of Cyrillic letters; English text: none, so that no Russian
  # caption or sentence is left untranslated. And the document's own heading.
  local cyr
  cyr=$(count_cyrillic <<<"$text")
  case $1 in
    en/*) [ "$cyr" -eq 0 ] || fail "$1 holds $cyr Cyrillic letters" ;;
    *) [ "$cyr" -ge 500 ] || fail "$1 holds only $cyr Cyrillic letters" ;;
  esac
  # A here-string, not a pipe: grep -q leaves at the first match, and under pipefail the writer
  # it leaves behind would die of SIGPIPE and fail the check.
  grep -q -- "$2" <<<"$text" || fail "$1 lacks \"$2\""
  echo "ok: $1, $pages pages, $cyr Cyrillic letters"
}

check_pdf spravka.pdf "Справка: поле двух точечных зарядов"
check_pdf spravka.pdf "окружность Аполлония"
check_pdf spravka.pdf "Линии поля равного потока"
check_pdf spravka.pdf "Точные эквипотенциали"
check_pdf gauss.pdf "Теорема Гаусса"
check_pdf uprav.pdf "Управление программой"
check_pdf en/spravka.pdf "Reference: the field of two point charges"
check_pdf en/spravka.pdf "circle of Apollonius"
check_pdf en/spravka.pdf "Field lines of equal flux"
check_pdf en/spravka.pdf "Exact equipotentials"
check_pdf en/gauss.pdf "Gauss's law and the field of two charges"
check_pdf en/uprav.pdf "The controls of the program"

# Every picture fits the text block of its page: the page width less html2pdf's margins of
# 20 mm and the 2 cm that Qt's printing of a document adds inside them, on each side. Its drawn
# width is its width in pixels over its resolution on the page.
check_images_fit() { # file
  local pdf=$build/$1
  local page
  page=$(pdfinfo "$pdf" | awk '/^Page size:/ {print $3; exit}')
  pdfimages -list "$pdf" | awk -v page="$page" -v name="$1" '
    NR > 2 && $13 > 0 {
      drawn = $4 / $13 * 72; block = page - 2 * 40 / 25.4 * 72
      if (drawn > block * 1.02) {
        printf "FAIL: %s: a picture on page %d is %.0f pt wide, its text block %.0f pt\n",
          name, $1, drawn, block > "/dev/stderr"; bad = 1
      }
    }
    END {exit bad}' || exit 1
  echo "ok: the pictures of $1 fit their pages"
}
for doc in spravka.pdf gauss.pdf uprav.pdf en/spravka.pdf en/gauss.pdf en/uprav.pdf; do
  check_images_fit "$doc"
done

# The description of the controls carries the picture of the main window, in either language.
for doc in uprav.pdf en/uprav.pdf; do
  pdfimages -list "$build/$doc" | awk 'NR > 2 && $4 >= 600 && $5 >= 400 {found = 1}
    END {exit !found}' || fail "$doc holds no picture of the window"
done

check_instruction() { # file (en/... for the English one), the menu items it must name
  local ins=$build/$1 name=$1
  shift
  [ -s "$ins" ] || fail "$name missing"
  local mime
  mime=$(file -b --mime "$ins")
  case "$mime" in
    text/plain*) ;;
    *) fail "$name is $mime" ;;
  esac
  for item in "$@"; do
    grep -q "$item" "$ins" || fail "$name does not mention $item"
  done
  case $name in
    en/*) [ "$(count_cyrillic <"$ins")" -eq 0 ] || fail "$name holds Cyrillic letters" ;;
  esac
  echo "ok: $name ($mime)"
}
check_instruction instruction.txt Справка Гаусс Выход "Карта потенциала" "Стрелки поля" \
  "Точные эквипотенциали" "Заряды и направления" "Пересчитывать сразу" Инструкция Управление Автор "О программе" Регистрация
check_instruction en/instruction.txt Reference Gauss "Save picture" "Copy picture" Print \
  "Print preview" Exit "Potential map" "Field arrows" "Field lines of equal flux" \
  "Exact equipotentials" "Charges and directions" "Redraw at once" Language Instructions Controls Author About Registration
