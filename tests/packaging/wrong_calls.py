"""Calls that the stubs must reject: every line ending in an expect-error comment is one."""

import korvo_python_sdk as sdk

sdk.hash_withdraw(1)  # expect-error: an int where a str belongs
sdk.sign("0x1")  # expect-error: a missing argument
verified: bool = sdk.sign("0x1", "0x2")  # expect-error: a str result used as a bool
sdk.hash_withdraw(json="{}")
