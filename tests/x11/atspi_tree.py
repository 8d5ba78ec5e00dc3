#!/usr/bin/python3
"""Prints what a screen reader finds of the running Jumpline on the AT-SPI bus: one line an
object, "role: name" and, where there is one, " | description"."""
import pyatspi


def walk(node):
    print(f"{node.getRoleName()}: {node.name}" + (f" | {node.description}" if node.description else ""))
    for child in node:
        if child is not None:
            walk(child)


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name.lower() == "jumpline":
        walk(app)
