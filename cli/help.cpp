#include "help.h"

namespace korvo::cli {

const std::string_view kToolHelp = R"(Usage: korvo COMMAND [ARGS] [--json]
       korvo --version

Hashes and signs exchange requests and handles keys, printing exactly what the
Python module's functions return.

Commands:
  hash KIND [FILE]        message hash of a request
  sign KIND [FILE]        signature JSON of a request's hash
  verify ...              checks the signature equation
  key from-seed           prints a PRIVATE KEY derived from a seed on standard input
  key public              public key of a private key
  key on-curve X Y        whether Y is the point x coordinate of packed key X

KIND is one of withdraw, transfer, limit-order, liquidate, oracle-price.
Requests are JSON read from FILE, or from standard input without FILE or with "-".
Private keys come from --key-file FILE or the environment variable
KORVO_PRIVATE_KEY, never from the command line; a key file must be readable
by its owner alone.
With --jsonl, hash and sign read one request per line and print one result
per line.

Options for every command:
  --json      print the result (and a failure, on standard error) as a JSON object
  -h, --help  this text, or a command's own
  --version   the version of the tool and its SDK

Exit status:
  0  success (or true)
  1  false (verify, key on-curve)
  2  bad input: bad usage, an unreadable file, or a request or key rejected
     (reported as "error", or as "usage")
  3  internal failure: a check inside the operation stopped it, or the tool
     itself failed (reported as "internal failure"). As in the Python
     module's failure reports, some malformed inputs take this road too,
     for example any malformed transfer request.
)";

const std::string_view kHashHelp = R"(Usage: korvo hash KIND [FILE] [--json] [--jsonl]

Prints the request's message hash: "0x" and 64 lower-case digits.
KIND: withdraw, transfer, limit-order, liquidate, oracle-price.
The request is JSON from FILE, or from standard input without FILE or with "-".
--json prints {"hash":"0x..."}.

--jsonl reads one request per line and prints one JSON line per request, in
order: {"hash":"0x..."}, or for a request that fails
{"error":{"kind":...,"message":...,"line":N}}, which standard error also
reports with its line number (as JSON under --json); the other lines go on.
The exit status is the worst of the lines'.
)";

const std::string_view kSignHelp = R"(Usage: korvo sign KIND [FILE] [--key-file KEYFILE] [--json] [--jsonl]

Prints the signature JSON {"r","s"} of the request's message hash.
KIND: withdraw, transfer, limit-order, liquidate, oracle-price.
The request is JSON from FILE, or from standard input without FILE or with "-".
The private key (hexadecimal text) is read from KEYFILE, or else from the
environment variable KORVO_PRIVATE_KEY; white space around it is ignored.
It is never taken from an argument: other users can read the process list.
The output is JSON already and is the same with --json.

--jsonl signs one request per line with the one key and prints one JSON line
per request, in order: the signature, or for a request that fails
{"error":{"kind":...,"message":...,"line":N}}, which standard error also
reports with its line number (as JSON under --json); the other lines go on.
The exit status is the worst of the lines'.
)";

const std::string_view kVerifyHelp = R"(Usage: korvo verify --r R --s S --public-key X --message M [--json]

Checks the signature (R, S) over the 256-bit hexadecimal message M under the
packed public key X. Prints "true" and exits 0 when the signature equation
holds; prints "false" and exits 1 when it does not. --json prints
{"valid":true} or {"valid":false}.

Caveat: the message is itself the challenge, and neither R nor the public key
is hashed into it. Anyone can therefore make an (R, S) that passes for any
public key and any message of their choice. A pass shows that the equation
holds, not that the holder of the private key signed the message: it
authenticates nothing unless you know by other means where the signature came
from.
)";

const std::string_view kKeyHelp = R"(Usage: korvo key (from-seed | public | on-curve X Y) [--json]

  key from-seed     prints a PRIVATE KEY (a secret) derived from a seed on standard input
  key public        public key of the private key in --key-file or KORVO_PRIVATE_KEY
  key on-curve X Y  whether Y is the point x coordinate of packed key X

See 'korvo key COMMAND --help'.
)";

const std::string_view kFromSeedHelp = R"(Usage: korvo key from-seed [--json] < SEEDFILE

Derives a private key from the seed bytes on standard input (at least 32 bytes;
one final line ending is dropped, so "echo" may be used) and prints it: "0x"
and 64 digits. --json prints {"private_key":"0x..."}.

This prints a SECRET: the private key itself. Whoever sees the output (a
terminal's scroll-back, a log, a shared screen) can sign in your name.
Redirect it into a file only you can read, for example:
  (umask 077; korvo key from-seed < seed.txt > key.hex)
)";

const std::string_view kPublicKeyHelp = R"(Usage: korvo key public [--key-file KEYFILE] [--json]

Prints {"x": packed public key, "y": the point's x coordinate} for the private
key in KEYFILE, or else in the environment variable KORVO_PRIVATE_KEY. The
output is JSON already and is the same with --json.
)";

const std::string_view kOnCurveHelp = R"(Usage: korvo key on-curve X Y [--json]

Prints "true" and exits 0 when Y is exactly the point x coordinate of the
packed public key X; prints "false" and exits 1 otherwise. --json prints
{"on_curve":true} or {"on_curve":false}.
)";

}  // namespace korvo::cli
