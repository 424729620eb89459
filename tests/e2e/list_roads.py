"""The roads python's unittest finds in tests/e2e (module.Class.test_method),
one a line; with --expect ROAD..., fails naming every road found but not
expected, and every road expected but not found (tests/e2e/CMakeLists.txt
reads the roads from the files and passes them here)."""

import glob
import os
import sys
import unittest


def found_roads():
    here = os.path.dirname(os.path.abspath(__file__))
    sys.path.insert(0, here)
    roads = []

    def walk(suite):
        for item in suite:
            if isinstance(item, unittest.TestSuite):
                walk(item)
            else:
                roads.append(item.id())

    for path in sorted(glob.glob(os.path.join(here, "test_*.py"))):
        module = os.path.splitext(os.path.basename(path))[0]
        walk(unittest.defaultTestLoader.loadTestsFromName(module))
    return roads


def main(args):
    roads = found_roads()
    if args[:1] != ["--expect"]:
        print("\n".join(roads))
        return 0
    expected = set(args[1:])
    missing = [r for r in roads if r not in expected]
    unknown = sorted(expected - set(roads))
    for road in missing:
        print("not run by ctest: " + road)
    for road in unknown:
        print("run by ctest but not in the files: " + road)
    print("%d roads, %d run by ctest" % (len(roads), len(expected)))
    return 1 if missing or unknown else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
