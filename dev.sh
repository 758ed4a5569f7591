#!/usr/bin/env bash
# Developer commands; ./dev.sh help lists them.
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)

PACKAGES=(qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
          libqt5sql5-sqlite libqt5sql5-psql postgresql libmuparser-dev fonts-wqy-microhei
          xvfb xauth imagemagick libbenchmark-dev clang-14 libclang-rt-14-dev cmake ninja-build g++
          valgrind doxygen graphviz qttranslations5-l10n)

ensure_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "dev.sh: installing ${missing[*]}"
        local SUDO=""
        [ "$(id -u)" -ne 0 ] && SUDO=sudo
        $SUDO apt-get update
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

njobs() { nproc 2>/dev/null || echo 2; }

configure_build() { # dir, extra cmake args...
    local dir=$1; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(njobs)"
}

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/orb-xdg.XXXXXX)}
chmod 700 "$XDG_RUNTIME_DIR"

cmd=${1:-help}
shift || true
case "$cmd" in
  demo)
    ensure_packages
    configure_build build -DCMAKE_BUILD_TYPE=Debug
    if [ -n "${DISPLAY:-}" ]; then
        exec build/demo/orbdemo "$@"
    else
        mkdir -p demo-output
        QT_QPA_PLATFORM=offscreen build/demo/orbdemo --screenshots "$ROOT/demo-output" "$@"
        echo "dev.sh: no display; screenshots written to $ROOT/demo-output/"
        ls -1 demo-output/*.png
    fi
    ;;
  test)
    ensure_packages
    configure_build build -DCMAKE_BUILD_TYPE=Debug
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(njobs)" "$@")
    ;;
  test-asan)
    ensure_packages
    configure_build build-asan -DCMAKE_BUILD_TYPE=Debug -DORB_SANITIZE=ON
    (cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(njobs)" "$@")
    ;;
  bench)
    # --quick: short runs at 1x only (CI); --scale: the 10x run even with --quick;
    # --readme: full run, then the table replaces the one in README.md.
    ensure_packages
    args=()
    readme=0
    for a in "$@"; do
        case "$a" in
          --quick) args+=(--benchmark_min_time=0.01 --orb-quick) ;;
          --scale) args+=(--orb-scale) ;;
          --readme) readme=1 ;;
          *) args+=("$a") ;;
        esac
    done
    configure_build build-bench -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DORB_BUILD_BENCH=ON -DORB_BUILD_TESTS=OFF -DORB_BUILD_DEMO=OFF
    status=0
    log=$(mktemp /tmp/orb-bench.XXXXXX)
    for b in build-bench/bench/bench_*; do
        [ -f "$b" ] && [ -x "$b" ] || continue
        echo "== $(basename "$b")"
        QT_QPA_PLATFORM=offscreen "$b" "${args[@]}" | tee -a "$log" || status=1
    done
    if [ $readme -eq 1 ]; then
        {
            echo "Measured $(date -u +%Y-%m-%d) with \`./dev.sh bench --readme\` (load: $(cut -d' ' -f1-3 /proc/loadavg))."
            echo
            echo '```'
            awk '/^benchmark +time +baseline/ { on = 1; if (!seen++) print; next }
                 /^(==|--)/ { on = 0 }
                 on && /^BM_/' "$log"
            echo '```'
        } > "$log.table"
        awk -v table="$log.table" '
            /<!-- bench-table-begin -->/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
            /<!-- bench-table-end -->/ { skip = 0 }
            !skip' README.md > "$log.readme" && mv "$log.readme" README.md
        echo "dev.sh: README.md table updated"
    fi
    rm -f "$log" "$log.table"
    exit $status
    ;;
  fuzz)
    ensure_packages
    seconds=${1:-60}
    CC=clang-14 CXX=clang++-14 configure_build build-fuzz -DCMAKE_BUILD_TYPE=Debug -DORB_BUILD_FUZZ=ON \
        -DORB_BUILD_TESTS=OFF -DORB_BUILD_DEMO=OFF
    status=0
    for f in build-fuzz/fuzz/fuzz_*; do
        [ -f "$f" ] && [ -x "$f" ] || continue
        name=$(basename "$f")
        corpus=build-fuzz/corpus/$name
        mkdir -p "$corpus"
        [ -d "fuzz/seeds/$name" ] && cp -n fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true
        # Drawing files are seeded with the sample library itself.
        if [ "$name" = fuzz_drawingfile ] && ! ls "$corpus"/*.orbdwg >/dev/null 2>&1; then
            build-fuzz/host/orbsamplegen "$corpus" >/dev/null
        fi
        echo "== $name for ${seconds}s"
        LSAN_OPTIONS=suppressions="$ROOT/tests/lsan.supp" nice "$f" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 "$corpus" || status=1
    done
    exit $status
    ;;
  package)
    # Installs into a prefix and builds a host project against it with find_package.
    ensure_packages
    configure_build build -DCMAKE_BUILD_TYPE=Debug
    prefix="$ROOT/build/install-prefix"
    rm -rf "$prefix" build/consumer
    cmake --install build --prefix "$prefix" >/dev/null
    cmake -S packaging/consumer -B build/consumer -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
    cmake --build build/consumer
    QT_QPA_PLATFORM=offscreen build/consumer/orbconsumer
    ;;
  memcheck)
    # The demo headless under valgrind memcheck (Debug build); prints the error and leak summaries.
    ensure_packages
    cmake -S "$ROOT" -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build build -j "$(njobs)" --target orbdemo
    out=$(mktemp -d /tmp/orb-memcheck.XXXXXX)
    mkdir -p "$out/shots"
    supp=()
    [ -f tests/valgrind.supp ] && supp=(--suppressions="$ROOT/tests/valgrind.supp")
    status=0
    # Qt's regular expressions run JIT-compiled code that memcheck cannot follow.
    QT_ENABLE_REGEXP_JIT=0 QT_QPA_PLATFORM=offscreen valgrind --leak-check=full --num-callers=30 "${supp[@]}" \
        --log-file="$out/memcheck.log" build/demo/orbdemo --screenshots "$out/shots" || status=$?
    sed -n -e '/LEAK SUMMARY/,/suppressed:/p' -e '/ERROR SUMMARY/p' "$out/memcheck.log" | sed 's/^==[0-9]*== //'
    echo "dev.sh: full valgrind log in $out/memcheck.log"
    grep -q "definitely lost: 0 bytes" "$out/memcheck.log" || grep -q "All heap blocks were freed" "$out/memcheck.log" || status=1
    exit $status
    ;;
  docs)
    # HTML API documentation of the public headers and hostapi/ into build/docs/html. hostapi/ is
    # first checked on its own, where every public member must be documented. Warnings fail both.
    ensure_packages
    rm -rf build/docs
    mkdir -p build/docs
    { cat docs/Doxyfile
      printf '%s\n' "INPUT = hostapi" "EXTRACT_ALL = NO" "WARN_IF_UNDOCUMENTED = YES" "HAVE_DOT = NO" \
          "USE_MDFILE_AS_MAINPAGE =" "GENERATE_HTML = NO" "GENERATE_XML = YES" "XML_OUTPUT = hostapi-check"
    } | doxygen -
    doxygen docs/Doxyfile
    echo "dev.sh: API documentation in $ROOT/build/docs/html/index.html"
    ;;
  help|-h|--help)
    cat <<'USAGE'
usage: ./dev.sh COMMAND
  demo               build and run the demo; without a display, PNGs of every widget into demo-output/
  test [CTEST ARGS]  build (Debug) and run every test suite; e.g. ./dev.sh test -L drawingtree
  test-asan          the same with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)
  bench [--quick]    release build, every benchmark beside its plain-Qt baseline
  fuzz [SECONDS]     build the libFuzzer targets with clang and run each for SECONDS (default 60)
  package            install into build/install-prefix and build and run a consumer against it
  memcheck           the headless demo under valgrind: error and leak summaries
  docs               Doxygen HTML of the public headers and hostapi/ (build/docs/html); warnings fail
  help               this list
Every command first installs missing Debian packages (apt-get, as root).
USAGE
    ;;
  *)
    echo "dev.sh: unknown command '$cmd'; ./dev.sh help lists the commands" >&2
    exit 2
    ;;
esac
