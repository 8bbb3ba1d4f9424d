#!/usr/bin/env bash
# The help documents built beside the program: three PDFs with Russian text, and a plain-text
# instruction that names every menu item.
set -euo pipefail
build=${1:?usage: check_docs.sh BUILD_DIR}
fail() { echo "FAIL: $*" >&2; exit 1; }

check_pdf() { # file, a phrase that must be in its text
  local pdf=$build/$1
  [ -s "$pdf" ] || fail "$1 missing"
  local pages
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}') || fail "$1 is not a valid PDF"
  [ "${pages:-0}" -ge 1 ] || fail "$1 has no page"
  local text
  text=$(pdftotext -enc UTF-8 "$pdf" -)
  # Russian text: a good share of Cyrillic letters, and the document's own heading.
  local cyr
  cyr=$({ grep -oP '[\x{0400}-\x{04FF}]' <<<"$text" || true; } | wc -l)
  [ "$cyr" -ge 500 ] || fail "$1 holds only $cyr Cyrillic letters"
  # A here-string, not a pipe: grep -q leaves at the first match, and under pipefail the writer
  # it leaves behind would die of SIGPIPE and fail the check.
  grep -q -- "$2" <<<"$text" || fail "$1 lacks \"$2\""
  echo "ok: $1, $pages pages, $cyr Cyrillic letters"
}

check_pdf spravka.pdf "Справка: поле двух точечных зарядов"
check_pdf spravka.pdf "окружность Аполлония"
check_pdf spravka.pdf "Линии поля равного потока"
check_pdf gauss.pdf "Теорема Гаусса"
check_pdf uprav.pdf "Управление программой"

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
for doc in spravka.pdf gauss.pdf uprav.pdf; do
  check_images_fit "$doc"
done

# The description of the controls carries the picture of the main window.
pdfimages -list "$build/uprav.pdf" | awk 'NR > 2 && $4 >= 600 && $5 >= 400 {found = 1}
  END {exit !found}' || fail "uprav.pdf holds no picture of the window"

ins=$build/instruction.txt
[ -s "$ins" ] || fail "instruction.txt missing"
mime=$(file -b --mime "$ins")
case "$mime" in
  text/plain*) ;;
  *) fail "instruction.txt is $mime" ;;
esac
for item in Справка Гаусс Выход "Карта потенциала" "Стрелки поля" "Пересчитывать сразу" Инструкция Управление Автор "О программе" Регистрация; do
  grep -q "$item" "$ins" || fail "instruction.txt does not mention $item"
done
echo "ok: instruction.txt ($mime)"
