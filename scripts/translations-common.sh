# Sourced by the translations scripts: the window code whose texts the catalogues
# hold (orvane-cli and the plain C++ folders stay English), the languages, and
# lupdate as the catalogues are kept (no source locations, so that moving a line
# changes no catalogue).
ORVANE_TS_SOURCES=(src/seams src/listctrl src/document src/channels src/satellites src/lnb
                   src/favourites src/settings src/transfer src/print src/shell)
ORVANE_TS_LANGUAGES=(ru fr it nl de da ar el tr es sv nb)
LUPDATE=/usr/lib/qt6/bin/lupdate
[ -x "$LUPDATE" ] || LUPDATE=$(command -v lupdate6 || command -v lupdate)

# orvane_lupdate DIR [OPTIONS...]: updates DIR/orvane_<lang>.ts from the sources.
orvane_lupdate() {
    local dir=$1
    shift
    local files=()
    for lang in "${ORVANE_TS_LANGUAGES[@]}"; do
        files+=("$dir/orvane_$lang.ts")
    done
    "$LUPDATE" -locations none -extensions cpp,h -source-language en "$@" "${ORVANE_TS_SOURCES[@]}" -ts "${files[@]}"
    # English: the plural forms of the counted texts only.
    "$LUPDATE" -locations none -extensions cpp,h -source-language en -target-language en -pluralonly "$@" \
        "${ORVANE_TS_SOURCES[@]}" -ts "$dir/orvane_en.ts"
}
