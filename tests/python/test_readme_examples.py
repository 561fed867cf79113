"""Every Python example of the README runs as it is written."""

import re
from pathlib import Path

import pytest

README = Path(__file__).resolve().parents[2] / "README.md"
EXAMPLES = re.findall(r"^```python\n(.*?)^```$", README.read_text(encoding="utf-8"), flags=re.S | re.M)


def test_the_readme_has_examples():
    assert len(EXAMPLES) >= 3


@pytest.mark.parametrize("number", range(len(EXAMPLES)))
def test_readme_example_runs(number, capfd):
    exec(compile(EXAMPLES[number], f"README.md example {number + 1}", "exec"), {"__name__": "readme_example"})
