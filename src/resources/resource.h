// Resource and control ids of Quillmark, by name.
#pragma once
