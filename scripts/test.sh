#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite in a
# release build, then the conversion library's tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer. Each build's options are set here, whatever an earlier command
# (scripts/run.sh, a fuzzing or sanitizer build) left in its cache. Both stages run and report;
# the exit status is non-zero when either failed or found no test to run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

release_suite() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPAGEWRIGHT_BUILD_APP=ON -DPAGEWRIGHT_BUILD_TESTS=ON \
        -DPAGEWRIGHT_SANITIZE=OFF -DPAGEWRIGHT_FUZZ=OFF &&
        cmake --build build -j2 &&
        (cd build && ctest --output-on-failure --no-tests=error -j2)
}

sanitizer_suite() {
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPAGEWRIGHT_BUILD_APP=OFF -DPAGEWRIGHT_BUILD_TESTS=ON \
        -DPAGEWRIGHT_SANITIZE=ON -DPAGEWRIGHT_FUZZ=OFF &&
        cmake --build build-sanitize -j2 &&
        (cd build-sanitize && ctest --output-on-failure --no-tests=error -j2)
}

# set -e does not stop inside a function called with ||, hence the && chains above.
failed=()
release_suite || failed+=("the release suite in build/")
sanitizer_suite || failed+=("the sanitizer suite in build-sanitize/")
if [ ${#failed[@]} -ne 0 ]; then
    printf 'FAILED: %s\n' "${failed[@]}" >&2
    exit 1
fi
echo "Every test passed: the release suite in build/ and the sanitizer suite in build-sanitize/."
