#!/usr/bin/env bash
# Writes the fidelity corpus again: RTF made by real writers from the sources, WordPad-style
# files written by hand, and for each the text LibreOffice reads from it. A development
# tool only (it needs soffice, abiword and pandoc); the tests use what it wrote.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp sources/* "$work"
out=$PWD/corpus
rm -f "$out"/*.rtf "$out"/*.txt

(
    cd "$work"
    pandoc -s -t rtf history.md -o "$out/history.pandoc.rtf"
    pandoc -s -t rtf options.html -o "$out/options.pandoc.rtf"
    pandoc history.md -o history.docx
    for source in history.docx options.html engines.html; do
        soffice --headless --convert-to 'rtf:Rich Text Format' --outdir lo "$source" >/dev/null
        abiword --to=rtf "$source" -o "$out/${source%.*}.abiword.rtf"
    done
    for made in lo/*.rtf; do
        cp "$made" "$out/$(basename "$made" .rtf).libreoffice.rtf"
    done
    python3 handwritten.py "$out"
)

soffice --headless --convert-to 'txt:Text (encoded):UTF8' --outdir "$work/txt" corpus/*.rtf >/dev/null
for text in "$work"/txt/*.txt; do
    # LibreOffice begins the file with a byte-order mark.
    sed '1s/^\xEF\xBB\xBF//' "$text" >"$out/$(basename "$text")"
done

# Where LibreOffice and the document disagree, the document wins (see README.md).
# The second level of a bullet list: the document's \leveltext and \listtext say U+2022.
sed -i 's/^\( *\)\xE2\x97\xA6 /\1\xE2\x80\xA2 /' corpus/options.libreoffice.txt corpus/options.abiword.txt
# PAGE fields: the writer's result, not LibreOffice's page count of a text export.
sed -i 's/^Page 0 of the booklet\./Page 1 of the booklet./' corpus/fields-pictures.txt
# Hidden text is not shown.
sed -i 's/^Hidden: visible secret text\./Hidden: visible text./' corpus/fields-pictures.txt
# Symbol-font glyphs as the characters they show, not private-use code points.
sed -i 's/^Symbol font: .* end\.$/Symbol font: α β γ • ∞ • end./' corpus/unicode.txt
# \upr: the Unicode half replaces the 8-bit half.
sed -i 's/^Ansi fallbackUnicode ★ star$/Unicode ★ star/' corpus/unicode.txt
