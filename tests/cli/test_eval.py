"""orvane-cli eval: the language's edge cases through the command line, on both builds."""
import random

import pytest

# (expression, printed line) without any binding; run through standard input in one go. The
# language itself is tested in the unit tests; these are what the command adds: the printed
# value, the failure mark, the lone variable and lines past the working length.
PLAIN = [
    ("2^3^2", "512 ok"), ("-3^2", "-9 ok"), ("x^-1", "0 ok"),  # x counts 0: (0^0) - 1
    ("", "0 ok"), ("(1/3)*3", "0.999999 ok"), ("arcctg(-1)", "-0.785398 ok"), ("1000*1000", "1e+06 ok"),
    ("1000*1000+1", "1e+06 ok"), ("1/100000*3", "3e-05 ok"), ("1/0", "1 failed"), ("(1/0)+1", "2 failed"),
    ("1)", "0 failed"), ("9" * 300, "0 failed"),
    ("sin2e3", "0.93004 ok"),  # the argument reads 2e3 like atof, then e3 is a name worth 0
]


def test_plain_expressions_through_standard_input(cli):
    stdin = "".join(e + "\n" for e, _ in PLAIN).encode()
    assert cli.lines("eval", "-", stdin=stdin) == [line for _, line in PLAIN]


@pytest.mark.parametrize("args, line", [
    (["--func", "FA:y=x^2+1", "FA(2)"], "5 ok"),
    (["--func", "FA:y=x^2+1", "--func", "FB:y=FA(x)", "FB(-3)"], "10 ok"),
    (["--func", "FE:x=y^2", "FE(3)"], "0 ok"),
    (["--func", "FA:y=FA(x)", "FA(1)"], "0 failed"),
    (["--const", "a=1", "--const", "ab=2", "$ab"], "10 ok"),
    (["--const", "g=9.8", "--func", "FA:y=x*$g", "FA(2)"], "19.6 ok"),
    (["1/0"], "1 failed"),
    (["-2"], "-2 ok"),
    (["--", "--2"], "-2 ok"),
])
def test_bindings(cli, args, line):
    assert cli.lines("eval", *args) == [line]


@pytest.mark.parametrize("args", [
    [],
    ["--const", "g"],
    ["--const", "g=abc"],
    ["--const", "=1", "1"],
    ["--const", "averyveryverylongname=1", "1"],
    ["--func", "FA=x", "1"],
    ["--func", "FA:z=x", "1"],
    ["--func", "FUNCTIONAB:y=x", "1"],
    ["--frob", "1"],
    ["1", "2"],
])
def test_bad_arguments_exit_2_with_a_message(cli, args):
    result = cli.run("eval", *args, check=False)
    assert result.returncode == 2
    assert result.stderr.strip()
    assert result.stdout == b""


def random_expression(rng, depth=0):
    atoms = ["x", "2", "0.5", "3.25", "-1", "1000", "0.0001", "7"]
    functions = ["sin", "cos", "tg", "ctg", "sec", "csc", "arcsin", "arccos", "arctg", "arcctg",
                 "arcsec", "arccsc", "lg", "ln", "exp", "abs", "FA", "$c"]
    if depth > 3 or rng.random() < 0.3:
        return rng.choice(atoms)
    kind = rng.randrange(5)
    if kind == 0:
        f = rng.choice(functions)
        return f if f == "$c" else f + "(" + random_expression(rng, depth + 1) + ")"
    if kind == 1:
        o = rng.choice(["()", "[]", "{}"])
        return o[0] + random_expression(rng, depth + 1) + o[1]
    return random_expression(rng, depth + 1) + rng.choice("+-*/^") + random_expression(rng, depth + 1)


def test_both_builds_print_the_same_for_thousands_of_expressions(both):
    rng = random.Random(20261206)
    stdin = "".join(random_expression(rng) + "\n" for _ in range(4000)).encode()
    args = ["eval", "--const", "c=2.5", "--func", "FA:y=x^2-3*x", "-"]
    native, windows = (cli.run(*args, stdin=stdin).stdout for cli in both)
    assert native.count(b"\n") == 4000
    assert native == windows
