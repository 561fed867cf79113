"""The lists of the functions kept by hand beside the module's function table: the stubs, the C++
header, the function reference and the README. Each must name the functions the module registers,
with the module's parameters in the module's order; the stubs also carry the module's docstrings."""

import ast
import inspect
import re
from pathlib import Path

import korvo_python_sdk as sdk

ROOT = Path(__file__).resolve().parents[2]
# What the module registers, read through the interpreter: name -> parameter names.
REGISTERED = {name: getattr(sdk, name).__text_signature__[1:-1].split(", ") for name in sdk.__all__}
DECLARATION = re.compile(r"^Outcome<(std::string|bool)> (\w+)\(([^)]*)\) noexcept;", re.M)
RESULT_TYPES = {"std::string": "str", "bool": "bool"}


def header_declarations(text):
    """name -> (parameter names, Python result type) of each function sdk.h declares."""
    declared = {}
    for result, name, params in DECLARATION.findall(text):
        assert name not in declared, f"{name} declared twice"
        declared[name] = ([param.split()[-1] for param in params.split(",")], RESULT_TYPES[result])
    return declared


HEADER = header_declarations((ROOT / "sdk" / "include" / "korvo" / "sdk.h").read_text(encoding="utf-8"))
STUB_TREE = ast.parse((ROOT / "src" / "stubs" / "__init__.pyi").read_text(encoding="utf-8"))
STUB_FUNCTIONS = [node for node in STUB_TREE.body if isinstance(node, ast.FunctionDef)]


def stub_all():
    (value,) = [node.value for node in STUB_TREE.body
                if isinstance(node, ast.Assign) and [t.id for t in node.targets] == ["__all__"]]
    return ast.literal_eval(value)


def test_the_header_declares_each_function_with_the_module_parameters():
    assert {name: params for name, (params, _) in HEADER.items()} == REGISTERED


def test_the_stubs_define_the_functions_in_registration_order():
    assert stub_all() == sdk.__all__
    assert [function.name for function in STUB_FUNCTIONS] == sdk.__all__


def test_the_stubs_take_the_module_parameters_as_str_and_give_the_header_result():
    for function in STUB_FUNCTIONS:
        args = function.args
        assert not (args.posonlyargs or args.kwonlyargs or args.vararg or args.kwarg or args.defaults), function.name
        assert [arg.arg for arg in args.args] == REGISTERED[function.name], function.name
        assert {ast.unparse(arg.annotation) for arg in args.args} == {"str"}, function.name
        assert ast.unparse(function.returns) == HEADER[function.name][1], function.name


def test_the_stubs_carry_the_whole_docstrings():
    """An editor's hover shows what help() shows: every stub docstring equals the function's, all of it."""
    for function in STUB_FUNCTIONS:
        assert ast.get_docstring(function) == inspect.getdoc(getattr(sdk, function.name)), function.name


def test_the_function_reference_documents_each_function_once():
    documented = re.findall(r"^\.\. autofunction:: (\w+)$", (ROOT / "docs" / "functions.rst").read_text(), re.M)
    assert sorted(documented) == sorted(sdk.__all__)


def test_the_readme_names_every_function():
    readme = (ROOT / "README.md").read_text(encoding="utf-8")
    assert [name for name in sdk.__all__ if not re.search(rf"`{name}[`(]", readme)] == []
