"""Runs one e2e test module; a skipped test fails the run like a failed one."""

import sys
import unittest

result = unittest.main(module=sys.argv[1], argv=[sys.argv[0], "-v"], exit=False).result
sys.exit(0 if result.wasSuccessful() and not result.skipped else 1)
