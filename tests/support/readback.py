"""What the ezdxf read-back scripts share: failed checks gathered, then reported.

A script puts tests/support on sys.path and imports check and report.
"""

failures = []


def check(condition, what):
    """Notes `what` as failed unless `condition` holds; returns the condition."""
    if not condition:
        failures.append(what)
    return condition


def report():
    """Prints the failed checks and a summary; the exit status: 1 when any failed."""
    for f in failures:
        print("FAIL:", f)
    print(f"{len(failures)} failed checks" if failures else "all checks passed")
    return 1 if failures else 0
