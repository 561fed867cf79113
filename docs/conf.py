"""Sphinx configuration of the documentation site (built by scripts/docs.sh)."""

import sys
from pathlib import Path

import korvo_python_sdk

# The request tables are written from the typed package's field rows.
sys.path.insert(0, str(Path(__file__).parent / "_ext"))

project = "korvo_python_sdk"
author = "The korvo_python_sdk developers"
release = version = korvo_python_sdk.__version__

extensions = ["sphinx.ext.autodoc", "sphinx.ext.napoleon", "sphinx.ext.doctest", "request_fields"]
exclude_patterns = ["_build", "_ext", "requirements.txt"]

# The function docstrings use the Args/Returns/Raises sections of help().
napoleon_google_docstring = True
napoleon_numpy_docstring = False

# Every cross-reference must resolve. Python's own names have no inventory
# here (the build reads nothing from the network).
nitpicky = True
nitpick_ignore = [
    ("py:exc", "ValueError"), ("py:exc", "TypeError"), ("py:class", "str"), ("py:class", "bool"),
    ("py:class", "int"), ("py:class", "collections.abc.Iterable"),
    # The type variable of from_json's result: the class it is called on.
    ("py:class", "korvo._requests._R"),
]

# Every example runs against the installed module.
doctest_global_setup = """
import json
import korvo_python_sdk as sdk
"""
doctest_test_doctest_blocks = "default"

# Quotation marks stay as written: the texts quoted are exact.
smartquotes = False

html_theme = "alabaster"
# Room for the six columns of the request tables.
html_theme_options = {"page_width": "1180px", "body_max_width": "none"}
html_title = f"korvo_python_sdk {release}"
html_static_path: list[str] = []
