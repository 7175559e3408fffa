"""One PNG sheet of every picture, to look them over at a glance.

The files are read back by ImageMagick rather than by PIL, so the sheet also
shows that a reader other than the one that wrote them takes them as meant.
"""
import os
import subprocess

MONTAGE = "/usr/bin/montage"  # ImageMagick's own; a `montage` earlier on PATH may be a stand-in


def montage(paths, out_png):
    frames = []
    for p in paths:
        if p.endswith(".gif"):
            # Every frame of an animation, side by side.
            frames.append(p + "[0-]")
        else:
            frames.append(p)
    cmd = [MONTAGE, "-background", "#B0B0B0", "-fill", "black", "-pointsize", "10",
           "-label", "%f %wx%h", "-geometry", "+6+6", "-tile", "6x"]
    cmd += frames
    cmd.append(out_png)
    subprocess.run(cmd, check=True)
    return os.path.abspath(out_png)
