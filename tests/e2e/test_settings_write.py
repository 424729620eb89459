"""Settings that cannot be written: the program still ends normally with
status 0, says once on standard error which file could not be written and
why, and leaves what was there before untouched."""

import errno
import os
import subprocess
import unittest

from harness import E2ETestCase, TITLE, wait_for

REPORT = "the settings could not be saved"


class SettingsWriteTest(E2ETestCase):

    def setUp(self):
        super().setUp()
        self.folder = os.path.join(self.config, TITLE)
        self.ini = os.path.join(self.folder, TITLE + ".ini")

    def run_and_close(self):
        """Starts the program, lets it settle and closes it with SIGTERM."""
        p = self.start()
        self.assertTrue(wait_for(lambda: p.title() == TITLE, 20), "caption: " + p.title())
        code = p.stop(15)
        return code, p.proc.stderr.read().decode(errors="replace")

    def assert_one_report(self, err, reason):
        lines = [line for line in err.splitlines() if REPORT in line]
        self.assertEqual(len(lines), 1, "standard error:\n" + err)
        self.assertIn(self.ini, lines[0])
        self.assertIn(reason, lines[0])

    def test_settings_folder_replaced_by_a_plain_file(self):
        with open(self.folder, "w") as f:
            f.write("not a folder\n")
        code, err = self.run_and_close()
        self.assertEqual(code, 0, err)
        self.assert_one_report(err, os.strerror(errno.ENOTDIR))
        with open(self.folder) as f:
            self.assertEqual(f.read(), "not a folder\n")

    def test_settings_file_replaced_by_a_folder(self):
        os.makedirs(self.ini)
        code, err = self.run_and_close()
        self.assertEqual(code, 0, err)
        self.assert_one_report(err, os.strerror(errno.EISDIR))
        self.assertEqual(os.listdir(self.ini), [])

    def test_full_file_system_leaves_the_old_file_whole(self):
        os.makedirs(self.folder)
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", self.folder],
                                 stderr=subprocess.DEVNULL).returncode == 0
        if not mounted:
            self.skipTest("mounting a small tmpfs is not allowed here (needs CAP_SYS_ADMIN)")
        try:
            # Another width than the window has: the program has news to write.
            old = b"[Settings]\nLeft=1500\nTop=1500\nWidth=9000\nHeight=6000\nMovieLoop=True\n"
            with open(self.ini, "wb") as f:
                f.write(old)
            with open(os.path.join(self.folder, "filler"), "wb", buffering=0) as f:
                try:
                    while True:
                        f.write(b"\0" * 4096)
                except OSError as e:
                    self.assertEqual(e.errno, errno.ENOSPC)
            code, err = self.run_and_close()
            self.assertEqual(code, 0, err)
            self.assert_one_report(err, os.strerror(errno.ENOSPC))
            with open(self.ini, "rb") as f:
                self.assertEqual(f.read(), old)
        finally:
            subprocess.run(["umount", "-l", self.folder], check=False)


if __name__ == "__main__":
    unittest.main()
