#!/usr/bin/env bash
# Updates the translation catalogues translations/de.po, en.po and nl.po from the
# sources. Run it after adding or changing user-visible German texts, then translate
# what it reports as untranslated or fuzzy in en.po and nl.po (de.po stays empty:
# German is the key) and rebuild: the build compiles the catalogues with
# msgfmt --check-format.
#
#   scripts/update-translations.sh [BUILD_DIR]
#
# BUILD_DIR is a CMake build tree of this project (default: build, configured with
# Ninja when it does not exist yet); the script builds the small catalogue_texts
# program there.
#
# Where the keys come from:
#   - every string literal passed to tx() or txKey() in src/, split literals included
#     (xgettext --keyword=tx --from-code=UTF-8 -C);
#   - literals passed to the functions of the table below, which hand their text to
#     tx() themselves (the reader's step functions, menu item builders, ...): add a row
#     when a new function of that kind appears;
#   - the block catalogue's data tables (menu and group captions, hints, parameter
#     prompts and hints), listed by the catalogue_texts program;
#   - translations/extra-keys.txt: keys that reach tx() in ways xgettext cannot follow
#     (composed from pieces, chosen by a condition, kept in a constant or a struct).
# Every text is a plain key, never a printf format, so a c-format guess of xgettext is
# turned into no-c-format. msgmerge keeps every existing translation; entries whose key
# has gone move to the end of the file as obsolete (#~) and come back when the key does.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
[[ "$build" = /* ]] || build="$root/$build"
languages=(de en nl)

# Functions that pass a literal argument to tx(): source files (globs relative to the
# root) and their xgettext keywords (function:argument). xgettext takes one argument per
# function in a run, so a function with two translated arguments gets two rows.
extra_keywords=(
  "src/persistence/*.cpp|fail:1 summary:1 expect:2 section:2 readRecords:1 integer:1 flag:1 text:1 failure:1"
  "src/model/Kisten.cpp|add:2"
  "src/model/KantenMenu.cpp|item:2 add:1"
  "src/model/DocumentSelection.cpp|string:1"
  "src/gui/MainWindow.cpp|addCommand:2 addEditAction:2 addKeyedMenu:2 addKeyedAction:2 setKeyedText:2 setKeyedToolTip:2"
  "src/shell/InfoFrame.cpp|askText:2"
  "src/shell/InfoFrame.cpp|askText:3"
)

for tool in xgettext msgmerge msggrep msgfmt cmake; do
  command -v "$tool" >/dev/null || { echo "update-translations: $tool is missing (apt-get install gettext cmake)" >&2; exit 1; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
pot="$tmp/default.pot"

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -G Ninja >"$tmp/build.log" 2>&1 || { cat "$tmp/build.log" >&2; exit 1; }
fi
cmake --build "$build" --target catalogue_texts >"$tmp/build.log" 2>&1 || { cat "$tmp/build.log" >&2; exit 1; }

# Generated inputs, read by xgettext from the temporary directory.
"$build/bin/catalogue_texts" >"$tmp/catalogue-tables"
extra="$root/translations/extra-keys.txt"
pieces=()
while IFS= read -r line; do
  case "$line" in
    '' | '#'*) ;;
    '- '*) pieces+=("${line#- }") ;;
    *) printf 'tx(%s);\n' "$line" ;;
  esac
done <"$extra" >"$tmp/extra-keys"

cd "$root"
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)

common=(-k --from-code=UTF-8 -C --no-wrap --add-location=file --sort-output
        --add-comments=Translators: --package-name=fup -D "$root" -D "$tmp" -o "$pot")
xgettext "${common[@]}" --keyword=tx --keyword=txKey "${sources[@]}" catalogue-tables extra-keys
for row in "${extra_keywords[@]}"; do
  pattern=${row%%|*}
  keywords=()
  for keyword in ${row#*|}; do keywords+=("--keyword=$keyword"); done
  files=()
  for file in "${sources[@]}"; do
    # shellcheck disable=SC2053  # the pattern is a glob on purpose
    [[ "$file" == $pattern ]] && files+=("$file")
  done
  ((${#files[@]})) && xgettext "${common[@]}" -j "${keywords[@]}" "${files[@]}"
done

# The header: UTF-8, and no creation date that would change every catalogue on each run.
sed -i -e 's/charset=CHARSET/charset=UTF-8/' -e '/^"POT-Creation-Date:/d' "$pot"
# Pieces of composed keys are never looked up on their own.
for piece in "${pieces[@]}"; do
  text=$(printf '%s' "$piece" | sed -e 's/^"//' -e 's/"$//' -e 's/\\"/"/g')
  regex=$(printf '%s' "$text" | sed -e 's/[][\.*^$+?(){}|]/\\&/g')
  msggrep --no-wrap -v -K -E -e "^${regex}\$" -o "$pot.new" "$pot"
  mv "$pot.new" "$pot"
done
sed -i -E 's/^(#,.* )c-format/\1no-c-format/' "$pot"

for lang in "${languages[@]}"; do
  po="$root/translations/$lang.po"
  if [[ ! -f "$po" ]]; then
    printf '%s\n' "# Translations of the editor's texts; the German wording is the key." \
      'msgid ""' 'msgstr ""' '"Project-Id-Version: fup\n"' "\"Language: $lang\\n\"" \
      '"MIME-Version: 1.0\n"' '"Content-Type: text/plain; charset=UTF-8\n"' \
      '"Content-Transfer-Encoding: 8bit\n"' '"Plural-Forms: nplurals=2; plural=(n != 1);\n"' >"$po"
  fi
  msgmerge --quiet --update --backup=off --no-wrap --sort-output --previous "$po" "$pot"
  msgfmt --check-format --check-header -o /dev/null "$po"
  printf '%s: ' "$lang"
  msgfmt --statistics -o /dev/null "$po" 2>&1
done
