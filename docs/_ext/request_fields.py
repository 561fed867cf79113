"""The request-fields directive: a request kind's field table, written from
the rows the typed classes' docstrings are written from, so that the two
cannot disagree.

   .. request-fields:: LimitOrder
"""

from __future__ import annotations

from docutils import nodes
from docutils.statemachine import StringList
from sphinx.application import Sphinx
from sphinx.util.docutils import SphinxDirective

from korvo._field_docs import COLUMNS, ROWS


class RequestFields(SphinxDirective):
    required_arguments = 1

    def run(self) -> list[nodes.Node]:
        kind = self.arguments[0]
        if kind not in ROWS:
            raise self.error(f"request-fields: no request kind {kind!r}")
        lines = [".. list-table::", "   :header-rows: 1", "   :widths: 20 10 10 18 24 18", ""]
        for cells in [COLUMNS, *((f"``{row.key}``", *row[1:]) for row in ROWS[kind])]:
            lines += [f"   * - {cells[0]}", *(f"     - {cell}" for cell in cells[1:])]
        container = nodes.container()
        self.state.nested_parse(StringList(lines, source=self.get_source_info()[0]), self.content_offset, container)
        return container.children


def setup(app: Sphinx) -> dict[str, bool]:
    app.add_directive("request-fields", RequestFields)
    return {"parallel_read_safe": True}
