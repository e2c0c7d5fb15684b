"""Builds the extension with CMake from the repository this directory belongs to.

The extension `gmtrrt._gmtrrt` and the shared library it links,
libGMTRRT.so.<major>, are both built by the project's CMake (option
GMTRRT_BUILD_PYTHON) and copied into the package; the extension finds the
library beside itself (rpath $ORIGIN).

Environment: GMTRRT_SOURCE_DIR overrides the CMake source tree (default: the
parent of this directory), GMTRRT_BUILD_JOBS the parallel build jobs (2), and
GMTRRT_CMAKE_ARGS adds CMake options (for example -DGMTRRT_WERROR=ON).
"""
import os
import shlex
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = Path(__file__).resolve().parent
SOURCE = Path(os.environ.get("GMTRRT_SOURCE_DIR", HERE.parent)).resolve()


class CMakeExtension(Extension):
    def __init__(self, name):
        super().__init__(name, sources=[])


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        if not (SOURCE / "CMakeLists.txt").is_file() or not (SOURCE / "include").is_dir():
            raise RuntimeError(
                f"the GMTRRT source tree was not found at {SOURCE}; install from a checkout "
                "(pip install --no-build-isolation ./python) or set GMTRRT_SOURCE_DIR")
        build_dir = Path(self.build_temp).resolve() / "cmake"
        subprocess.check_call([
            "cmake", "-S", str(SOURCE), "-B", str(build_dir),
            "-DCMAKE_BUILD_TYPE=Release",
            "-DGMTRRT_BUILD_PYTHON=ON",
            "-DGMTRRT_BUILD_TESTS=OFF",
            "-DGMTRRT_BUILD_EXAMPLES=OFF",
            f"-DPython3_EXECUTABLE={sys.executable}",
            *shlex.split(os.environ.get("GMTRRT_CMAKE_ARGS", "")),
        ])
        jobs = os.environ.get("GMTRRT_BUILD_JOBS", "2")
        subprocess.check_call(["cmake", "--build", str(build_dir), "--target", "_gmtrrt",
                               "-j", jobs])
        built = build_dir / "python" / "gmtrrt"
        target = Path(self.get_ext_fullpath(ext.name)).resolve()
        target.parent.mkdir(parents=True, exist_ok=True)
        (extension,) = built.glob("_gmtrrt*.so")
        shutil.copy2(extension, target)
        for library in built.glob("libGMTRRT.so*"):
            shutil.copy2(library, target.parent / library.name)


setup(ext_modules=[CMakeExtension("gmtrrt._gmtrrt")], cmdclass={"build_ext": CMakeBuild})
