-- General database of a server (datos/general.fdb): the companies kept on
-- the server and the users of the suite.
--
-- The sign-in reads
--   select usua_nombre from usuario where usua_cod = '<USER>'
-- with the user name in upper case; the company selectors read COMPANIA.

CREATE TABLE COMPANIA (
  COMP_COD         VARCHAR(3)   NOT NULL,   -- company code, also the folder datos/<code>
  COM_NOMBRE       VARCHAR(80)  NOT NULL,   -- company name shown in the selectors
  COMP_NIT         VARCHAR(20),             -- tax identification
  COMP_LOGO        BLOB SUB_TYPE 0,         -- logo picture for the printed forms
  COMP_DIR         VARCHAR(140),            -- address
  COMP_TELS        VARCHAR(140),            -- telephone numbers
  COMP_ENCABEZADO  VARCHAR(140),            -- heading line of the printed forms
  CONSTRAINT PK_COMPANIA PRIMARY KEY (COMP_COD)
);

-- Users of the suite.  The Firebird login is what authenticates; this table
-- keeps the user's name and profile.  usua_cod holds the login in upper case.
CREATE TABLE usuario (
  usua_cod          VARCHAR(31)  NOT NULL,
  usua_nombre       VARCHAR(60)  NOT NULL,
  usua_cargo        VARCHAR(40),
  usua_email        VARCHAR(80),
  usua_activo       CHAR(1)      DEFAULT 'S' NOT NULL,
  usua_fecha_crea   DATE         DEFAULT CURRENT_DATE,
  CONSTRAINT PK_USUARIO PRIMARY KEY (usua_cod)
);

-- Which companies each user may open.
CREATE TABLE usuario_compania (
  usua_cod   VARCHAR(31) NOT NULL,
  COMP_COD   VARCHAR(3)  NOT NULL,
  CONSTRAINT PK_USUARIO_COMPANIA PRIMARY KEY (usua_cod, COMP_COD)
);
