from ._gmtrrt import *  # noqa: F401,F403
