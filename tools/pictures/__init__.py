"""Helpers of tools/make_pictures.py: file formats, drawing, and the three kinds of picture."""
